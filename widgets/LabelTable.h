#pragma once

// Labels laid out in a grid that a screen reader reads as a table: each label
// a cell at its row and column, read once; rows that hold no label (a rule)
// are no rows of the table. The first row may name the columns and the first
// column the rows.

#include <QWidget>

class QGridLayout;
class QLabel;

class LabelTable : public QWidget {
    Q_OBJECT

public:
    struct Headers {
        bool firstRow = false;
        bool firstColumn = false;
    };

    LabelTable(Headers headers, QWidget *parent = nullptr);

    // Where the cells go: labels made with this table as their parent.
    QGridLayout *grid() const { return m_grid; }
    Headers headers() const { return m_headers; }

    int rowCount() const;
    int columnCount() const;
    // The label of a cell; none for an empty one.
    QLabel *cell(int row, int column) const;
    // A label's cell, or {-1, -1} when it is none of this table's.
    std::pair<int, int> placeOf(const QLabel *label) const;

private:
    // The grid's rows that hold a label, in order.
    QList<int> labelRows() const;

    QGridLayout *m_grid;
    Headers m_headers;
};
