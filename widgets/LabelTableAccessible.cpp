#include "widgets/LabelTableAccessible.h"

#include "widgets/LabelTable.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

class LabelTableInterface final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit LabelTableInterface(LabelTable *table) : QAccessibleWidget(table, QAccessible::Table) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override { return accessible(table()->cell(row, column)); }
    int rowCount() const override { return table()->rowCount(); }
    int columnCount() const override { return table()->columnCount(); }
    QString columnDescription(int column) const override
    {
        const QLabel *header = table()->headers().firstRow ? table()->cell(0, column) : nullptr;
        return header ? header->text().trimmed() : QString();
    }
    QString rowDescription(int row) const override
    {
        const QLabel *header = table()->headers().firstColumn ? table()->cell(row, 0) : nullptr;
        return header ? header->text().trimmed() : QString();
    }

    // Nothing in it is chosen.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    LabelTable *table() const { return static_cast<LabelTable *>(widget()); }
};

class LabelCellInterface final : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    LabelCellInterface(QLabel *label, LabelTable *table) : QAccessibleWidget(label, QAccessible::Cell), m_table(table)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::Role role() const override
    {
        if (m_table->headers().firstRow && rowIndex() == 0)
            return QAccessible::ColumnHeader;
        if (m_table->headers().firstColumn && columnIndex() == 0)
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text().trimmed();
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        if (!m_table->headers().firstRow || rowIndex() == 0)
            return {};
        return {accessible(m_table->cell(0, columnIndex()))};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override
    {
        if (!m_table->headers().firstColumn || columnIndex() == 0)
            return {};
        return {accessible(m_table->cell(rowIndex(), 0))};
    }
    int columnIndex() const override { return m_table->placeOf(label()).second; }
    int rowIndex() const override { return m_table->placeOf(label()).first; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return accessible(m_table); }

private:
    const QLabel *label() const { return static_cast<const QLabel *>(widget()); }

    LabelTable *m_table;
};

} // namespace

QAccessibleInterface *labelTableAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("LabelTable"))
        return new LabelTableInterface(static_cast<LabelTable *>(object));
    if (className == QLatin1String("QLabel")) {
        if (auto *table = qobject_cast<LabelTable *>(object->parent()))
            return new LabelCellInterface(static_cast<QLabel *>(object), table);
    }
    return nullptr;
}
