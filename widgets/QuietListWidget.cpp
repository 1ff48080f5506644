#include "widgets/QuietListWidget.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QScopedValueRollback>

QuietListWidget::QuietListWidget(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = selectedItems();
        if (!chosen.isEmpty() && chosen.front() != currentItem())
            setCurrentItem(chosen.front());
    });
}

void QuietListWidget::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // QListView announces the new current row as focused; only true while the list has the focus.
    if (hasFocus() && !m_entering)
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

void QuietListWidget::focusInEvent(QFocusEvent *event)
{
    // A click makes the row clicked current, and that is told as it changes.
    if (event->reason() == Qt::MouseFocusReason) {
        QListWidget::focusInEvent(event);
        return;
    }
    if (!currentItem() && count() > 0) {
        const QScopedValueRollback entering(m_entering, true);
        setCurrentRow(0);
    }
    QListWidget::focusInEvent(event);
    // Qt tells a screen reader the list has the focus once this returns; the row comes after.
    QMetaObject::invokeMethod(this, &QuietListWidget::announceCurrentRow, Qt::QueuedConnection);
}

void QuietListWidget::announceCurrentRow()
{
    if (!hasFocus() || !currentIndex().isValid() || !QAccessible::isActive())
        return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface *table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface *row = table ? table->cellAt(currentIndex().row(), 0) : nullptr;
    if (!row)
        return;
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(list->indexOfChild(row));
    QAccessible::updateAccessibility(&focused);
}
