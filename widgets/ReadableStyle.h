#pragma once

// The desktop's own style, with two things made readable whatever its
// palette: focus frames drawn at 3:1 against what they surround, and the text
// of disabled controls at 4.5:1 against their background. Tool buttons, check
// boxes, radio buttons and framed scroll areas (lists, texts, the print
// preview's pages) get their focus frame from here, not from the style, which
// may draw a faint one or none.

#include <QProxyStyle>

class ReadableStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Over the style of that name, as QStyleFactory knows it.
    explicit ReadableStyle(const QString &baseStyle);

    void polish(QPalette &palette) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    void drawFocusFrame(const QStyleOption &option, const QRect &around, QPainter *painter,
                        const QWidget *widget) const;
};

// Puts the readable style over the application's style in force, once.
void useReadableStyle();
