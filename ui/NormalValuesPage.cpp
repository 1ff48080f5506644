#include "ui/NormalValuesPage.h"

#include "widgets/Contrast.h"
#include "widgets/LabelTable.h"

#include "ui/ControlCaptions.h"
#include "ui/UnitPresentation.h"
#include "ui/WindowSession.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// A cell's name, or nothing when no other part of the window rewrites it.
struct Cell {
    const char *name;
    const char *text;
};

struct ValueRow {
    Cell value;
    Cell unit;
    Cell normal;
    Cell range;
};

constexpr ValueRow kHeader{{"lblValues", "Values"},
                           {"lblUnitsOfMesure", "Units of measure"},
                           {"lblNormalVal", "Normal "},
                           {"lblExpectedRange", "Excepted range"}};

constexpr int kPaco2Row = 1;
constexpr int kPao2Row = 2;
constexpr ValueRow kRows[] = {
    {{"", "pH"}, {"", "-log[H]"}, {"", "7.40"}, {"", "7.35 - 7.45"}},
    {{"", "PaCO2"}, {"lblNVPCO2", "mmHg"}, {"lblPCo2Normal", "40"}, {"lblPCO2Range", "35 - 45"}},
    {{"", "PaO2"}, {"lblNVPO2", "mmHg"}, {"lblPo2Normal", "90"}, {"lblPO2Range", "80 - 98"}},
    {{"", "HCO3"}, {"", "mEq/L"}, {"", "24"}, {"", "22 - 26"}},
    {{"", "O2"}, {"", "% (percent)"}, {"", "21 %"}, {"", "21 - 100"}},
};

QLabel *cell(LabelTable *table, int row, int column, const Cell &cell, const QColor &colour)
{
    auto *label = new QLabel(QString::fromUtf8(cell.text), table);
    label->setObjectName(QString::fromLatin1(cell.name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, readableOn(colour, palette.color(QPalette::Window)));
    label->setPalette(palette);
    table->grid()->addWidget(label, row, column);
    return label;
}

QFont withPixelSize(QFont font, int pixels, bool bold)
{
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

NormalValuesPage::NormalValuesPage(PageContext &context, QWidget *parent) : PageWidget(context, parent)
{
    // Read as a table: the header row names the columns, each value's name its row.
    auto *table = new LabelTable({.firstRow = true, .firstColumn = true}, this);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(table);
    QGridLayout *grid = table->grid();
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(6);

    const QFont windowFont = font();
    const QFont headerFont = withPixelSize(windowFont, 12, true);
    const QFont rowNameFont = withPixelSize(windowFont, 16, true);
    QFont unitFont(QStringLiteral("Times New Roman"));
    unitFont = withPixelSize(unitFont, 17, true);
    const QColor maroon(128, 0, 0);
    const auto addCell = [&](int gridRow, int column, const Cell &text, const QFont &font,
                             const QColor &colour = Qt::black) {
        QLabel *label = cell(table, gridRow, column, text, colour);
        m_pendingFonts.emplace_back(label, font);
        return label;
    };

    addCell(0, 0, kHeader.value, headerFont);
    addCell(0, 1, kHeader.unit, headerFont);
    addCell(0, 2, kHeader.normal, headerFont);
    addCell(0, 3, kHeader.range, headerFont);

    auto *rule = new QFrame(table);
    rule->setObjectName(QStringLiteral("bvlHeader"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 1, 0, 1, 4);

    int gridRow = 2;
    for (const ValueRow &row : kRows) {
        addCell(gridRow, 0, row.value, rowNameFont);
        const PressureCells cells{addCell(gridRow, 1, row.unit, unitFont, maroon),
                                  addCell(gridRow, 2, row.normal, windowFont),
                                  addCell(gridRow, 3, row.range, windowFont)};
        if (&row == &kRows[kPaco2Row])
            m_paco2 = cells;
        else if (&row == &kRows[kPao2Row])
            m_pao2 = cells;
        ++gridRow;
    }
    grid->setRowStretch(gridRow, 1);
    grid->setColumnStretch(4, 1);

    showUnits(unitPresentation(session().presentation().unit));
    connect(&session(), &WindowSession::unitChanged, this,
            [this](halvex::PressureUnit, halvex::PressureUnit to) { showUnits(unitPresentation(to)); });
}

void NormalValuesPage::retranslate()
{
    if (const std::optional<bool> french = session().frenchCaptions())
        writeCaptionSet(*this, *french);
}

void NormalValuesPage::showUnits(const UnitPresentation &units)
{
    m_paco2.unit->setText(units.label());
    m_pao2.unit->setText(units.label());
    m_paco2.normal->setText(QString::fromLatin1(units.paco2Normal));
    m_pao2.normal->setText(QString::fromLatin1(units.pao2Normal));
    m_paco2.range->setText(QString::fromLatin1(units.paco2Range));
    m_pao2.range->setText(QString::fromLatin1(units.pao2Range));
}

void NormalValuesPage::showEvent(QShowEvent *event)
{
    // The page's own fonts are loaded when it is first shown, not while the
    // program starts on another page.
    for (const auto &[label, font] : m_pendingFonts)
        label->setFont(font);
    m_pendingFonts.clear();
    QWidget::showEvent(event);
}
