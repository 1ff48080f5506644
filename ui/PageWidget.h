#pragma once

// A page of the details area: it builds, connects and names its own widgets,
// keeps them to itself, follows the session's signals and writes its texts in
// the language in force. The window only makes it, shows it and switches to it.
// A screen reader meets it as a panel named as its side-bar item.

#include "ui/PageContext.h"
#include "widgets/Pane.h"

class PageWidget : public Pane {
    Q_OBJECT

public:
    PageWidget(PageContext &context, QWidget *parent);

    // Writes the page's texts and accessible names in the language of the captions.
    virtual void retranslate() = 0;
    // Runs each time the page is shown: the design's show hook, if the page has one.
    virtual void shown() {}

protected:
    PageContext &context() const { return m_context; }
    WindowSession &session() const { return m_context.session; }

private:
    PageContext &m_context;
};
