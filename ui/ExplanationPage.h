#pragma once

// The page tsExplanation: why the last assessment says what it says, step by
// step, then the teaching notes set apart; after a scored answer, the verdict
// on the answer first.

#include <QWidget>

class QLabel;
class QTextBrowser;

class ExplanationPage : public QWidget {
    Q_OBJECT

public:
    explicit ExplanationPage(QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    QTextBrowser *text() const { return m_text; }

private:
    QLabel *m_title;
    QTextBrowser *m_text;
};
