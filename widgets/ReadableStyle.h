#pragma once

// The desktop's own style, with what it draws made readable whatever its
// palette: focus frames at 3:1 against what they surround; and in every state
// of a window (in front, behind, disabled) text at 4.5:1 on its background —
// a window's, a field's, a button's face as the style paints it — links too,
// and a selection dark or light enough behind its text. The palette is mended
// wherever it comes from: the desktop's, the one it gives a class of widgets,
// or one set on a widget. Tool buttons, check boxes, radio buttons and framed
// scroll areas (lists, texts, the print preview's pages) get their focus frame
// from here, not from the style, which may draw a faint one or none.

#include <QHash>
#include <QProxyStyle>

#include <vector>

class ReadableStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Over that style, which it takes.
    explicit ReadableStyle(QStyle *baseStyle);

    void polish(QPalette &palette) override;
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    // A colour of the palette that must change to read.
    struct Mend {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        QColor colour;
    };

    // What the palette needs, worked out once for each palette met.
    const std::vector<Mend> &mendsOf(const QPalette &palette);
    std::vector<Mend> mendsFor(const QPalette &palette) const;
    QColor buttonFace(const QPalette &palette, QPalette::ColorGroup group, const QColor &text) const;
    void drawFocusFrame(const QStyleOption &option, const QRect &around, QPainter *painter,
                        const QWidget *widget) const;

    QHash<qint64, std::vector<Mend>> m_mends;
};

// Puts the readable style over the application's style in force, once.
void useReadableStyle();
