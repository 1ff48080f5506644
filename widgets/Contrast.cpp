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

// Black beside a light colour, white beside a dark one: where contrast with it lies.
QColor towardsContrast(const QColor &colour)
{
    return relativeLuminance(colour) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
}

// The colour itself if it reads, else the first shade of it that does on the
// way to the end, in small steps; the end if none does.
template <typename Reads>
QColor firstShadeThatReads(const QColor &colour, const QColor &end, Reads reads)
{
    for (int step = 0; step <= 100; ++step) {
        const QColor shade = mixed(colour, end, step / 100.0);
        if (reads(shade))
            return shade;
    }
    return end;
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

QColor strokeOn(const QColor &colour, const QColor &background, double coverage)
{
    return mixed(background, colour, coverage);
}

QColor readableOn(const QColor &colour, const QColor &background, double ratio)
{
    // Towards black on a light background, towards white on a dark one.
    return firstShadeThatReads(colour, towardsContrast(background), [&](const QColor &shade) {
        return contrastRatio(strokeOn(shade, background), background) >= ratio;
    });
}

QColor readableBehind(const QColor &background, const QColor &text, double ratio)
{
    // Darker behind light text, lighter behind dark text.
    return firstShadeThatReads(background, towardsContrast(text), [&](const QColor &shade) {
        return contrastRatio(strokeOn(text, shade), shade) >= ratio;
    });
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
