#include "widgets/StatusHints.h"

#include "widgets/Hints.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QWidget>

StatusHints::StatusHints(QWidget *window, QLabel *line) : QObject(window), m_window(window), m_line(line)
{
    qApp->installEventFilter(this);
}

StatusHints::~StatusHints()
{
    qApp->removeEventFilter(this);
}

QString StatusHints::hintFor(const QWidget *widget) const
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString hint = hintLongPart(hintOf(w));
        if (!hint.isEmpty())
            return hint;
        if (w == m_window)
            break;
    }
    return {};
}

bool StatusHints::eventFilter(QObject *watched, QEvent *event)
{
    // The keyboard's user sees the hint of the control the keyboard moves to
    // (a click or the program moving the focus leaves the mouse's hint).
    if (event->type() == QEvent::FocusIn && watched->isWidgetType() && m_line) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->window() == m_window
            && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason))
            m_line->setText(hintFor(widget));
    }
    if ((event->type() == QEvent::Enter || event->type() == QEvent::Leave) && watched->isWidgetType() && m_line) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->window() == m_window) {
            // Leaving a control may return the mouse to its container, which gets no Enter of its own.
            const QWidget *under = event->type() == QEvent::Enter ? widget : QApplication::widgetAt(QCursor::pos());
            m_line->setText(under && under->window() == m_window ? hintFor(under) : QString());
        }
    }
    return QObject::eventFilter(watched, event);
}
