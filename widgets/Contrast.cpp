#include "widgets/Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

// A colour channel of 0 to 255 in linear light, as WCAG 2.1 defines it. The
// 256 values are worked out once: the window reads hundreds of them as it starts.
double channel(int value)
{
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            const double c = double(i) / 255.0;
            table[i] = c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return linear[std::size_t(std::clamp(value, 0, 255))];
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor &colour, const QColor &background, double ratio)
{
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    // Towards black on a light background, towards white on a dark one, in small steps.
    const QColor end = relativeLuminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 100; ++step) {
        const QColor shade = mixed(colour, end, step / 100.0);
        if (contrastRatio(shade, background) >= ratio)
            return shade;
    }
    return end;
}

bool isDarkPalette(const QPalette &palette)
{
    return relativeLuminance(palette.color(QPalette::Window)) < relativeLuminance(palette.color(QPalette::WindowText));
}

QColor designBackground(const QColor &design, const QPalette &palette, QPalette::ColorRole role)
{
    if (!isDarkPalette(palette))
        return design;
    return mixed(palette.color(role), design, 0.12);
}
