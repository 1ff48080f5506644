#include "NormalValuesPage.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

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

constexpr ValueRow kRows[] = {
    {{"", "pH"}, {"", "-log[H]"}, {"", "7.40"}, {"", "7.35 - 7.45"}},
    {{"", "PaCO2"}, {"lblNVPCO2", "mmHg"}, {"lblPCo2Normal", "40"}, {"lblPCO2Range", "35 - 45"}},
    {{"", "PaO2"}, {"lblNVPO2", "mmHg"}, {"lblPo2Normal", "90"}, {"lblPO2Range", "80 - 98"}},
    {{"", "HCO3"}, {"", "mEq/L"}, {"", "24"}, {"", "22 - 26"}},
    {{"", "O2"}, {"", "% (percent)"}, {"", "21 %"}, {"", "21 - 100"}},
};

QLabel *cell(QGridLayout *grid, int row, int column, const Cell &cell, const QFont &font,
             const QColor &colour = Qt::black)
{
    auto *label = new QLabel(QString::fromUtf8(cell.text));
    label->setObjectName(QString::fromLatin1(cell.name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    grid->addWidget(label, row, column);
    return label;
}

QFont withPixelSize(QFont font, int pixels, bool bold)
{
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

NormalValuesPage::NormalValuesPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tsNormalValues"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(6);

    const QFont windowFont = font();
    const QFont headerFont = withPixelSize(windowFont, 12, true);
    const QFont rowNameFont = withPixelSize(windowFont, 16, true);
    QFont unitFont(QStringLiteral("Times New Roman"));
    unitFont = withPixelSize(unitFont, 17, true);
    const QColor maroon(128, 0, 0);

    cell(grid, 0, 0, kHeader.value, headerFont);
    cell(grid, 0, 1, kHeader.unit, headerFont);
    cell(grid, 0, 2, kHeader.normal, headerFont);
    cell(grid, 0, 3, kHeader.range, headerFont);

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("bvlHeader"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 1, 0, 1, 4);

    int gridRow = 2;
    for (const ValueRow &row : kRows) {
        cell(grid, gridRow, 0, row.value, rowNameFont);
        cell(grid, gridRow, 1, row.unit, unitFont, maroon);
        cell(grid, gridRow, 2, row.normal, windowFont);
        cell(grid, gridRow, 3, row.range, windowFont);
        ++gridRow;
    }
    grid->setRowStretch(gridRow, 1);
    grid->setColumnStretch(4, 1);
}
