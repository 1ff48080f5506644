#include "widgets/QuietListWidget.h"

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
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}
