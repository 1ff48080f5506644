#include "widgets/ReadableStyle.h"

#include "widgets/Contrast.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

// Text and the background it is drawn on; a button's background is its face, as the style paints it.
constexpr std::pair<QPalette::ColorRole, QPalette::ColorRole> kTextOnBackground[] = {
    {QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
    {QPalette::ButtonText, QPalette::Button}, {QPalette::Link, QPalette::Base},
    {QPalette::LinkVisited, QPalette::Base},
};

} // namespace

ReadableStyle::ReadableStyle(QStyle *baseStyle) : QProxyStyle(baseStyle) {}

QColor ReadableStyle::buttonFace(const QPalette &palette, QPalette::ColorGroup group, const QColor &text) const
{
    // Styles paint faces lighter or darker than the palette's Button colour (Fusion's in a
    // gradient): the face is painted here as the style paints it, and read where it is closest to the text.
    QImage face(QSize(48, 24), QImage::Format_RGB32);
    face.fill(palette.color(group, QPalette::Window));
    QStyleOptionButton option;
    option.rect = face.rect();
    option.palette = palette;
    option.palette.setCurrentColorGroup(group);
    option.state = group == QPalette::Disabled ? State_None : State_Enabled;
    if (group == QPalette::Active)
        option.state |= State_Active;
    {
        QPainter painter(&face);
        baseStyle()->drawPrimitive(PE_PanelButtonCommand, &option, &painter);
    }
    QColor closest = palette.color(group, QPalette::Button);
    // Inside the frame, where the caption stands.
    for (int y = 5; y < face.height() - 5; ++y) {
        for (int x = 5; x < face.width() - 5; ++x) {
            const QColor pixel = face.pixelColor(x, y);
            if (contrastRatio(text, pixel) < contrastRatio(text, closest))
                closest = pixel;
        }
    }
    return closest;
}

std::vector<ReadableStyle::Mend> ReadableStyle::mendsFor(const QPalette &palette) const
{
    std::vector<Mend> mends;
    const auto mend = [&](QPalette::ColorGroup group, QPalette::ColorRole role, const QColor &readable) {
        if (readable != palette.color(group, role))
            mends.push_back({group, role, readable});
    };
    for (const QPalette::ColorGroup group : kGroups) {
        for (const auto &[text, role] : kTextOnBackground) {
            const QColor colour = palette.color(group, text);
            const QColor background =
                role == QPalette::Button ? buttonFace(palette, group, colour) : palette.color(group, role);
            mend(group, text, readableOn(colour, background));
        }
        mend(
            group, QPalette::Highlight,
            readableBehind(palette.color(group, QPalette::Highlight), palette.color(group, QPalette::HighlightedText)));
    }
    return mends;
}

const std::vector<ReadableStyle::Mend> &ReadableStyle::mendsOf(const QPalette &palette)
{
    auto found = m_mends.find(palette.cacheKey());
    if (found == m_mends.end())
        found = m_mends.insert(palette.cacheKey(), mendsFor(palette));
    return *found;
}

void ReadableStyle::polish(QPalette &palette)
{
    QProxyStyle::polish(palette);
    for (const Mend &mend : mendsFor(palette))
        palette.setColor(mend.group, mend.role, mend.colour);
}

void ReadableStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // A palette the desktop gives a class of widgets, or one set in code, has not been through
    // polish(QPalette &). Only the colours mended become the widget's own: the rest still follow its parent.
    const std::vector<Mend> &mends = mendsOf(widget->palette());
    if (mends.empty())
        return;
    QPalette own = widget->palette();
    for (const Mend &mend : mends)
        own.setColor(mend.group, mend.role, mend.colour);
    widget->setPalette(own);
}

void ReadableStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A thin solid frame in the highlight's hue, dark or light enough to stand out.
    const QColor around = widget ? widget->palette().color(widget->backgroundRole()) : option->palette.window().color();
    QColor frame = readableOn(option->palette.color(QPalette::Highlight), around, kGraphicContrast);
    // A scrolling area's frame lies between what surrounds it and its own background: it stands out from both.
    if (const auto *area = qobject_cast<const QAbstractScrollArea *>(widget))
        frame =
            readableOn(frame, area->viewport()->palette().color(area->viewport()->backgroundRole()), kGraphicContrast);
    painter->save();
    painter->setPen(QPen(frame, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void ReadableStyle::drawFocusFrame(const QStyleOption &option, const QRect &around, QPainter *painter,
                                   const QWidget *widget) const
{
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(option);
    frame.rect = around;
    drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
}

void ReadableStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    // A list, a text or a page view with the focus: the focus frame over its frame.
    if (element == CE_ShapedFrame && (option->state & State_HasFocus)
        && qobject_cast<const QAbstractScrollArea *>(widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        drawFocusFrame(*option, option->rect, painter, widget);
        return;
    }
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if ((element != CE_CheckBox && element != CE_RadioButton) || !button || !(option->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &unfocused, painter, widget);
    const SubElement label = element == CE_CheckBox ? SE_CheckBoxFocusRect : SE_RadioButtonFocusRect;
    drawFocusFrame(*option, subElementRect(label, button, widget), painter, widget);
}

void ReadableStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                       const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionToolButton *>(option);
    if (control != CC_ToolButton || !button || !(option->state & State_HasFocus)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionToolButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawComplexControl(control, &unfocused, painter, widget);
    drawFocusFrame(*option, option->rect.adjusted(1, 1, -1, -1), painter, widget);
}

void useReadableStyle()
{
    if (!qobject_cast<ReadableStyle *>(QApplication::style()))
        QApplication::setStyle(new ReadableStyle(QApplication::style()));
}
