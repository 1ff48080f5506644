#pragma once

// The page tsReview: every scored answer of the session, newest first, the
// wrong ones marked, with a filter for them; the chosen answer's explanation;
// loading its blood gas back into the fields; saving the session as CSV; and
// what the practice aimed at weak categories favours now.

#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <cstddef>
#include <vector>

class QCheckBox;
class QLabel;
class QuietListWidget;
class QPushButton;
class QTextEdit;

class ReviewPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Review;

    ReviewPage(PageContext &context, QWidget *parent);

    void retranslate() override;
    void shown() override { showReview(); }

private:
    void showReview();
    void showReviewedAnswer();
    // As the sample page does: the values only, nothing of teacher mode.
    void loadReviewedAnswer();
    // The whole session, whatever the list shows, written whole or not at all.
    void saveReview();
    void showPracticeFocus();

    QLabel *m_title;
    QCheckBox *m_wrongOnly;
    QuietListWidget *m_answers;
    QTextEdit *m_answer;
    QPushButton *m_load;
    QPushButton *m_save;
    QLabel *m_practiceFocus;
    std::vector<std::size_t> m_rows; // the answers listed, newest first
};
