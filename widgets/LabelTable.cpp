#include "widgets/LabelTable.h"

#include <QGridLayout>
#include <QLabel>

LabelTable::LabelTable(Headers headers, QWidget *parent)
    : QWidget(parent)
    , m_grid(new QGridLayout(this))
    , m_headers(headers)
{
}

QList<int> LabelTable::labelRows() const
{
    QList<int> rows;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            const QLayoutItem *item = m_grid->itemAtPosition(row, column);
            if (item && qobject_cast<QLabel *>(item->widget())) {
                rows << row;
                break;
            }
        }
    }
    return rows;
}

int LabelTable::rowCount() const
{
    return int(labelRows().size());
}

int LabelTable::columnCount() const
{
    int columns = 0;
    for (int row : labelRows()) {
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            const QLayoutItem *item = m_grid->itemAtPosition(row, column);
            if (item && qobject_cast<QLabel *>(item->widget()))
                columns = std::max(columns, column + 1);
        }
    }
    return columns;
}

QLabel *LabelTable::cell(int row, int column) const
{
    const QList<int> rows = labelRows();
    if (row < 0 || row >= rows.size() || column < 0 || column >= m_grid->columnCount())
        return nullptr;
    const QLayoutItem *item = m_grid->itemAtPosition(rows[row], column);
    return item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
}

std::pair<int, int> LabelTable::placeOf(const QLabel *label) const
{
    const int index = m_grid->indexOf(label);
    if (index < 0)
        return {-1, -1};
    int gridRow = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    m_grid->getItemPosition(index, &gridRow, &column, &rowSpan, &columnSpan);
    return {int(labelRows().indexOf(gridRow)), column};
}
