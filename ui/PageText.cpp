#include "ui/PageText.h"

#include "language/Language.h"
#include "widgets/Contrast.h"

#include <QLabel>
#include <QTextEdit>

QLabel *pageTitle(const QString &name, const QString &text, QWidget *parent)
{
    auto *title = new QLabel(text, parent);
    title->setObjectName(name);
    QFont font = title->font();
    font.setBold(true);
    font.setUnderline(true);
    title->setFont(font);
    return title;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    // In the design's hue, as dark or as light as it must be to be read on the palette's background.
    const QColor readable = readableOn(colour, palette.color(QPalette::Window));
    palette.setColor(QPalette::WindowText, readable);
    palette.setColor(QPalette::ButtonText, readable);
    widget->setPalette(palette);
}

QTextEdit *readOnlyDocument(const QString &name, QWidget *parent)
{
    auto *document = new QTextEdit(parent);
    document->setObjectName(name);
    document->setReadOnly(true);
    document->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    document->setFocusPolicy(Qt::StrongFocus);
    return document;
}

QString englishText(halvex::OwnText text)
{
    return QString::fromUtf8(halvex::ownText(text, halvex::kLanguageEnglish));
}
