#pragma once

// The page tsReview: every scored answer of the session, newest first, the
// wrong ones marked, with a filter for them; the chosen answer's explanation;
// loading its blood gas back into the fields; saving the session as CSV.

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTextBrowser;

class ReviewPage : public QWidget {
    Q_OBJECT

public:
    explicit ReviewPage(QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    QCheckBox *chkWrongOnly() const { return m_wrongOnly; }
    QListWidget *lstAnswers() const { return m_answers; }
    QTextBrowser *txtAnswer() const { return m_answer; }
    QPushButton *btnLoadAnswer() const { return m_load; }
    QPushButton *btnSaveReview() const { return m_save; }
    // What the practice aimed at weak categories favours now; hidden while it is off.
    QLabel *lblPracticeFocus() const { return m_practiceFocus; }

private:
    QLabel *m_title;
    QCheckBox *m_wrongOnly;
    QListWidget *m_answers;
    QTextBrowser *m_answer;
    QPushButton *m_load;
    QPushButton *m_save;
    QLabel *m_practiceFocus;
};
