#pragma once

// Colours that can be read: the contrast of two colours as WCAG 2.1 measures
// it, and a text colour moved towards black or white, keeping its hue, until
// it reaches the contrast wanted on its background. Every colour the window
// sets goes through here, so a coloured text stays readable on a light desktop
// and a dark one alike.

#include <QColor>
#include <QPalette>

// WCAG 2.1 AA for text of normal size.
inline constexpr double kTextContrast = 4.5;
// WCAG 2.1 AA for the parts of a control, focus frames included.
inline constexpr double kGraphicContrast = 3.0;
// Antialiased text seldom shows its full colour: the upright stroke of a "1"
// at 12 pixels, astride two columns, covers its strongest pixel by nine-tenths
// or so. Colours are chosen to reach their contrast even there.
inline constexpr double kStrokeCoverage = 0.9;

double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &first, const QColor &second);

// The colour of a thin stroke where it covers that share of a pixel: blended
// into the background, as antialiasing blends it.
QColor strokeOn(const QColor &colour, const QColor &background, double coverage = kStrokeCoverage);

// The colour itself when its strokes already read well enough on the
// background; otherwise the nearest shade of its hue, darker on a light
// background and lighter on a dark one, that does.
QColor readableOn(const QColor &colour, const QColor &background, double ratio = kTextContrast);
// The background itself when text of that colour reads on it; otherwise the
// nearest shade of its hue, away from the text, on which it does (a selection
// behind its white text, say).
QColor readableBehind(const QColor &background, const QColor &text, double ratio = kTextContrast);

// Whether a palette is a dark one: light text on a dark window.
bool isDarkPalette(const QPalette &palette);

// A background colour the window designs for a light desktop, or on a dark
// palette the colour of the same role the palette gives, nudged towards the
// design's hue so that the areas still stand apart.
QColor designBackground(const QColor &design, const QPalette &palette, QPalette::ColorRole role);
