#include "ui/ReviewPage.h"

#include "ui/PageText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

ReviewPage::ReviewPage(QWidget *parent)
    : QWidget(parent)
    , m_title(pageTitle(QStringLiteral("lblReviewTitle"), QStringLiteral("Review"), this))
    , m_wrongOnly(new QCheckBox(QStringLiteral("Wrong answers only"), this))
    , m_answers(new QListWidget(this))
    , m_answer(new QTextBrowser(this))
    , m_load(new QPushButton(QStringLiteral("Load into the fields"), this))
    , m_save(new QPushButton(QStringLiteral("Save as CSV..."), this))
    , m_practiceFocus(new QLabel(this))
{
    m_wrongOnly->setObjectName(QStringLiteral("chkWrongOnly"));
    m_answers->setObjectName(QStringLiteral("lstAnswers"));
    // Each answer whole, on as many lines as it takes.
    m_answers->setWordWrap(true);
    m_answers->setTextElideMode(Qt::ElideNone);
    m_answers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_answers->setResizeMode(QListView::Adjust);
    m_practiceFocus->setObjectName(QStringLiteral("lblPracticeFocus"));
    m_practiceFocus->setWordWrap(true);
    m_practiceFocus->hide();
    m_answer->setObjectName(QStringLiteral("txtAnswer"));
    m_answer->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_answer->setFocusPolicy(Qt::StrongFocus);
    m_load->setObjectName(QStringLiteral("btnLoadAnswer"));
    m_save->setObjectName(QStringLiteral("btnSaveReview"));
    for (QPushButton *button : {m_load, m_save})
        button->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(m_title);
    top->addStretch();
    top->addWidget(m_wrongOnly);
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_answers, 2);
    lists->addWidget(m_answer, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_load);
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 4, 8, 4);
    page->setSpacing(3);
    page->addLayout(top);
    page->addLayout(lists, 1);
    page->addWidget(m_practiceFocus);
    page->addLayout(buttons);
}
