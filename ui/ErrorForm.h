#pragma once

// The "ABG ERROR" dialog that shows an inconsistent blood gas's question.
// Created once at start-up, hidden, and reused for every message.

#include <QDialog>

class QLabel;
class QPushButton;

class TfrmABGError : public QDialog {
    Q_OBJECT

public:
    explicit TfrmABGError(QWidget *parent = nullptr);

    // Shows the message modally; returns when the dialog is closed.
    void showMessage(const QString &message);

    QLabel *Label1() const { return m_label; }
    QPushButton *Button1() const { return m_button; }

private:
    void Button1Click();

    QLabel *m_icon;
    QLabel *m_label;
    QPushButton *m_button;
};
