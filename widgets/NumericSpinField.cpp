#include "widgets/NumericSpinField.h"

#include "numbers/NumberText.h"
#include "widgets/AccessibleInterfaces.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <cmath>

NumericSpinField::NumericSpinField(QWidget *parent) : QAbstractSpinBox(parent)
{
    // Every change of the value, typed or written, is told to screen readers.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { announceValueChange(this, value()); });
    connect(lineEdit(), &QLineEdit::textEdited, this, &NumericSpinField::edited);
}

double NumericSpinField::value() const
{
    return halvex::parseNumber(text().toStdString()).value_or(m_minimum);
}

void NumericSpinField::setValue(double value)
{
    const double inLimits = std::isnan(value) ? m_minimum : std::clamp(value, m_minimum, m_maximum);
    lineEdit()->setText(QString::fromStdString(halvex::formatFixed(inLimits, m_wholeNumbers ? 0 : m_decimals)));
}

bool NumericSpinField::isEmpty() const
{
    return text().isEmpty();
}

void NumericSpinField::setText(const QString &text)
{
    lineEdit()->setText(text);
    emit edited();
}

void NumericSpinField::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
}

void NumericSpinField::setDecimals(int decimals)
{
    decimals = std::max(decimals, 0);
    if (decimals == m_decimals)
        return;
    m_decimals = decimals;
    setValue(value());
}

void NumericSpinField::setWholeNumbers(bool whole)
{
    m_wholeNumbers = whole;
}

void NumericSpinField::setMaxLength(int length)
{
    m_maxLength = length;
    lineEdit()->setMaxLength(length);
}

QSize NumericSpinField::minimumSizeHint() const
{
    const QSize least = QAbstractSpinBox::minimumSizeHint();
    if (m_maxLength <= 0)
        return least;
    // The line edit keeps two pixels either side of its text.
    const int wanted = fontMetrics().horizontalAdvance(QString(m_maxLength, u'0')) + 2 * 2;
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    // The edit field grows with the box: what it lacks at the present width, the box lacks too.
    const int room = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this).width();
    return QSize(std::max(least.width(), width() + wanted - room), least.height());
}

bool NumericSpinField::isAllowedCharacter(QChar c) const
{
    if (c.isDigit() || c == u'+' || c == u'-')
        return c.unicode() < 128;
    return !m_wholeNumbers && (c == u'.' || c == u'e' || c == u'E');
}

QValidator::State NumericSpinField::validate(QString &input, int &) const
{
    int points = 0;
    int exponents = 0;
    for (const QChar c : std::as_const(input)) {
        if (!isAllowedCharacter(c))
            return QValidator::Invalid;
        points += c == u'.' ? 1 : 0;
        exponents += (c == u'e' || c == u'E') ? 1 : 0;
    }
    // Any text of these characters is kept as typed; one that reads as no number
    // stands for the minimum.
    return points <= 1 && exponents <= 1 ? QValidator::Acceptable : QValidator::Invalid;
}

void NumericSpinField::fixup(QString &) const
{
    // Nothing: the text stays as typed until the focus leaves.
}

void NumericSpinField::stepBy(int steps)
{
    if (isReadOnly()) {
        refuse();
        return;
    }
    setValue(value() + steps * m_step);
    emit edited();
}

void NumericSpinField::refuse()
{
    QApplication::beep();
    emit refused();
}

QAbstractSpinBox::StepEnabled NumericSpinField::stepEnabled() const
{
    // Always enabled, so that a read-only field answers its buttons with a beep.
    return StepUpEnabled | StepDownEnabled;
}

void NumericSpinField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        stepBy(1);
        event->accept();
        return;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        stepBy(-1);
        event->accept();
        return;
    default:
        break;
    }

    const QString typed = event->text();
    const bool printable = typed.size() == 1 && typed.front().isPrint()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && isReadOnly()) {
        // A locked field says so rather than dropping the key unheard.
        refuse();
        event->accept();
        return;
    }
    if (!printable) {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    const QString before = text();
    const bool hadSelection = lineEdit()->hasSelectedText();
    if (isAllowedCharacter(typed.front()))
        QAbstractSpinBox::keyPressEvent(event);
    // Taken: the text changed, or the selection was replaced by the same text.
    // Refused: a character that cannot form a number, a second point or
    // exponent, or a full field.
    const bool taken = text() != before || (hadSelection && !lineEdit()->hasSelectedText());
    if (!taken)
        refuse();
    event->accept();
}

void NumericSpinField::focusOutEvent(QFocusEvent *event)
{
    // A context menu, a menu or another window takes the focus only for a while:
    // the field is left only when another control of the window gets it.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason || reason == Qt::MenuBarFocusReason) {
        QAbstractSpinBox::focusOutEvent(event);
        return;
    }
    if (m_exitHandler)
        m_exitHandler();
    const double current = value();
    if (current < m_minimum || current > m_maximum) {
        setValue(current);
        emit edited(); // what the user left is what the field now shows
    }
    QAbstractSpinBox::focusOutEvent(event);
}
