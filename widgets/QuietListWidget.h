#pragma once

// A list widget that tells a screen reader its current row has the focus only
// while the list itself has it: rebuilding the list in the background (a page
// shown, a unit or language changed) does not pull a reader's focus away, nor
// point it at rows about to be destroyed. A row chosen through its selection
// (as a screen reader's action chooses it) becomes the current row. A list the
// focus enters has a current row, its first unless one was chosen, and the
// reader is told that row has the focus, after the list itself.

#include <QListWidget>

class QuietListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit QuietListWidget(QWidget *parent = nullptr);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void announceCurrentRow();

    bool m_entering = false; // the current row set as the focus enters, told once the list is
};
