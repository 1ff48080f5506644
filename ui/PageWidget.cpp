#include "ui/PageWidget.h"

#include "ui/WindowSession.h"

PageWidget::PageWidget(PageContext &context, QWidget *parent) : Pane(parent), m_context(context)
{
    connect(&context.session, &WindowSession::languageChanged, this, [this] { retranslate(); });
}
