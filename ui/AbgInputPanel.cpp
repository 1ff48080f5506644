#include "ui/AbgInputPanel.h"

#include "ui/PageText.h"
#include "widgets/Hints.h"
#include "widgets/NumericSpinField.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct FieldRow {
    const char *fieldName;
    const char *labelName;
    const char *label;
    const char *unitName;
    const char *unit;
    bool whole;
    int decimals;
    double step;
    double minimum;
    double maximum;
    double initial;
    int maxLength;
    int y;
};

// From top to bottom, in tab order.
constexpr std::array<FieldRow, 6> kRows{{
    {"edtPh", "lblPh", "pH", "lblPhUnit", "-log[H]", false, 2, 0.01, 1, 14, 7.40, 6, 8},
    {"edtPaCO2", "lblPaCO2", "PaCO2", "lblCO2Unit", "mmHg", false, 0, 1, 0, 400, 40, 6, 38},
    {"edtPaO2", "lblPaO2", "PaO2", "lblPO2Unit", "mmHg", false, 0, 1, 0, 700, 90, 6, 68},
    {"edtHCO3", "lblHCO3", "HCO3", "lblHCo3Unit", "mEq/L", false, 0, 1, 0, 200, 24, 6, 98},
    {"edtFIO2", "lblFIO2", "O2 %", "lblFIO2Unit", "%", true, 0, 1, halvex::kRoomAirFiO2, 100, halvex::kRoomAirFiO2, 3,
     128},
    {"edtAge", "lblAge", "Age", "lblYears", "Years", true, 0, 1, 0, 135, 40, 3, 159},
}};

constexpr int kLabelX = 13;
constexpr int kFieldX = 72;
constexpr int kUnitX = 145;
constexpr QSize kFieldSize{64, 24};
constexpr int kUnitGap = kUnitX - kFieldX - kFieldSize.width();
constexpr int kResultX = 206;
constexpr QSize kResultSize{383, 23};
constexpr QSize kButtonSize{75, 25};
constexpr int kButtonY = 161;

// Every text of the panel has a fixed place, so each label is given the room
// up to its neighbour rather than measured: measuring would lay out its text
// once more, and load its font, before the window is first shown.
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &place, Qt::Alignment alignment,
              bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->setAlignment(alignment);
    label->setGeometry(place);
    label->setFixedSize(place.size());
    return label;
}

// A label beside a field, as high as the field, its text centred on the field's height.
QLabel *rowLabel(QWidget *parent, const QString &name, const QString &text, int x, int right, int y, bool bold)
{
    return label(parent, name, text, QRect(x, y, right - x, kFieldSize.height()), Qt::AlignLeft | Qt::AlignVCenter,
                 bold);
}

// A heading over a result field, from its top to the field.
QLabel *heading(QWidget *parent, const QString &name, const QString &text, int y, int fieldY)
{
    return label(parent, name, text, QRect(kResultX, y, kResultSize.width(), fieldY - y), Qt::AlignLeft | Qt::AlignTop,
                 true);
}

NumericSpinField *field(QWidget *parent, const FieldRow &row)
{
    auto *field = new NumericSpinField(parent);
    field->setObjectName(QString::fromLatin1(row.fieldName));
    field->setWholeNumbers(row.whole);
    field->setRange(row.minimum, row.maximum);
    field->setSingleStep(row.step);
    field->setMaxLength(row.maxLength);
    field->setDecimals(row.decimals);
    field->setValue(row.initial);
    field->setGeometry(QRect(QPoint(kFieldX, row.y), kFieldSize));
    // Wider than designed only where the desktop's style leaves the digits too little room beside its buttons.
    field->resize(std::max(kFieldSize.width(), field->minimumSizeHint().width()), kFieldSize.height());
    return field;
}

QLineEdit *resultField(QWidget *parent, const QString &name, int y)
{
    auto *result = new QLineEdit(parent);
    result->setObjectName(name);
    result->setReadOnly(true);
    // In the tab sequence after the buttons, so that Enter still walks from Age to the buttons.
    result->setFocusPolicy(Qt::StrongFocus);
    result->setGeometry(QRect(QPoint(kResultX, y), kResultSize));
    return result;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QString &hint, int x)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(QRect(QPoint(x, kButtonY), kButtonSize));
    setHint(button, hint);
    return button;
}

} // namespace

AbgInputPanel::AbgInputPanel(PageContext &context, QWidget *parent) : QFrame(parent), m_context(context)
{
    setObjectName(QStringLiteral("pnlABG"));
    setFrameShape(QFrame::NoFrame);

    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const FieldRow &row = kRows[i];
        m_rowLabels[i] = rowLabel(this, QString::fromLatin1(row.labelName), QString::fromLatin1(row.label), kLabelX,
                                  kFieldX, row.y, true);
        m_fields[i] = field(this, row);
        // The unit keeps its distance from a field the style made wider.
        const int unitX = std::max(kUnitX, m_fields[i]->geometry().right() + 1 + kUnitGap);
        m_unitLabels[i] = rowLabel(this, QString::fromLatin1(row.unitName), QString::fromLatin1(row.unit), unitX,
                                   kResultX, row.y, false);
    }

    m_acidBaseHeading =
        heading(this, QStringLiteral("lblAcidBase"), QStringLiteral("Assessment of Acid/Base status:"), 43, 65);
    m_edtAssessAcidBase = resultField(this, QStringLiteral("edtAssessAcidBase"), 65);
    m_hypoxemiaHeading =
        heading(this, QStringLiteral("lblHypoxemia"), QStringLiteral("Assessment of Hypoxemic state:"), 103, 125);
    m_edtAssessO2 = resultField(this, QStringLiteral("edtAssessO2"), 125);

    m_btnClear = button(this, QStringLiteral("btnClear"), QStringLiteral("Clear"),
                        englishText(halvex::OwnText::ClearDescription), 261);
    m_btnGenerate = button(this, QStringLiteral("btnGenerate"), QStringLiteral("Generate"),
                           QStringLiteral("|") + englishText(halvex::OwnText::GenerateDescription), 364);
    m_btnAnalyze = button(this, QStringLiteral("btnAnalyze"), QStringLiteral("Analyze"),
                          QStringLiteral("|") + englishText(halvex::OwnText::AnalyzeDescription), 467);
    // Beside the design's three buttons; its caption and hint follow the language.
    // Wide enough for "Pourquoi ?" with room around it.
    m_btnWhy = button(this, QStringLiteral("btnWhy"), QStringLiteral("Why?"), QString(), 548);
    m_btnWhy->resize(70, kButtonSize.height());

    QWidget *previous = nullptr;
    for (QWidget *next : std::initializer_list<QWidget *>{m_fields[0], m_fields[1], m_fields[2], m_fields[3],
                                                          m_fields[4], m_fields[5], m_btnClear, m_btnGenerate,
                                                          m_btnAnalyze, m_btnWhy, m_edtAssessAcidBase, m_edtAssessO2}) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    connectHandlers();
}

void AbgInputPanel::setInputFieldsReadOnly(bool readOnly)
{
    for (NumericSpinField *field : m_fields)
        field->setReadOnly(readOnly);
}

halvex::AbgInput AbgInputPanel::readInput() const
{
    const auto required = [](const NumericSpinField *field) {
        return field->isEmpty() ? std::nullopt : std::optional<double>(field->value());
    };
    return {
        .pH = required(edtPh()),
        .PaCO2 = required(edtPaCO2()),
        .PaO2 = required(edtPaO2()),
        .HCO3 = required(edtHCO3()),
        .FiO2 = edtFIO2()->value(),
        .Age = edtAge()->value(),
    };
}

void AbgInputPanel::nameFields()
{
    // "PaCO2, mmHg": the field's label and its unit, as they stand; "O2 %" alone, its label naming its unit.
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const QString label = m_rowLabels[i]->text();
        const QString unit = m_unitLabels[i]->text();
        m_fields[i]->setAccessibleName(label.endsWith(unit) ? label : label + QStringLiteral(", ") + unit);
    }
    // A result field by its heading, without the colon that ends it.
    const auto heading = [](const QLabel *label) {
        QString text = label->text().trimmed();
        if (text.endsWith(u':'))
            text.chop(1);
        return text.trimmed();
    };
    m_edtAssessAcidBase->setAccessibleName(heading(m_acidBaseHeading));
    m_edtAssessO2->setAccessibleName(heading(m_hypoxemiaHeading));
}

void AbgInputPanel::clearAssessments()
{
    m_edtAssessAcidBase->clear();
    m_edtAssessO2->clear();
}
