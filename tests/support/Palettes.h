#pragma once

// The desktops' palettes the tests read colours on: a light one and a dark one
// with the weak points such desktops have (a blue selection under white text,
// dim disabled text, a window in the background dimming its text, links that
// barely read on a dark ground), and Fusion's own. As rows of a data-driven test too.

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

// GNOME's light colours.
inline QPalette lightPalette()
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(246, 245, 244));
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Button, QColor(246, 245, 244));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        light.setColor(role, QColor(46, 52, 54));
        light.setColor(QPalette::Disabled, role, QColor(146, 149, 149));
    }
    light.setColor(QPalette::Highlight, QColor(53, 132, 228));
    light.setColor(QPalette::HighlightedText, Qt::white);
    light.setColor(QPalette::Link, QColor(27, 106, 203));
    return light;
}

// A dark desktop's: light text on dark grounds, GNOME's dark colours.
inline QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(53, 132, 228));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(80, 80, 80));
        dark.setColor(QPalette::Inactive, role, QColor(145, 145, 144));
    }
    return dark;
}

inline QPalette fusionPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

// The three, in a column "palette".
inline void addPaletteRows()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << lightPalette();
    QTest::newRow("dark") << darkPalette();
    QTest::newRow("Fusion") << fusionPalette();
}
