#pragma once

// The page tsPrint: how many blood gases to print, and the print button.

#include <QWidget>

class NumericSpinField;
class QCheckBox;
class QPushButton;

class PrintPage : public QWidget {
    Q_OBJECT

public:
    explicit PrintPage(QWidget *parent = nullptr);

    NumericSpinField *spinABGCount() const { return m_count; }
    QPushButton *btnPrintABGs() const { return m_print; }
    // Whether the answers are printed with their reasons.
    QCheckBox *chkExplainAnswers() const { return m_explain; }

private:
    NumericSpinField *m_count;
    QPushButton *m_print;
    QCheckBox *m_explain;
};
