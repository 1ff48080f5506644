#pragma once

// The page tsHelp: the help in the window, for the languages the help book
// is not written in.

#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

class HelpPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Help;

    HelpPage(PageContext &context, QWidget *parent);

    void retranslate() override;
};
