#pragma once

// What each pressure unit shows in the window besides its caption: the normal
// values and ranges, and the pressure fields' step and maxima.

#include "engine/Presentation.h"

#include <QString>

struct UnitPresentation {
    halvex::PressureUnit unit;
    const char *paco2Normal;
    const char *paco2Range;
    const char *pao2Normal;
    const char *pao2Range;
    double step;
    double paco2Maximum;
    double pao2Maximum;

    // Beside the fields and on the normal-values page: "mmHg" or "kpa".
    QString label() const
    {
        const std::string_view caption = halvex::unitCaption(unit);
        return QString::fromLatin1(caption.data(), qsizetype(caption.size()));
    }
};

// Fixed texts, not conversions: the page shows 11.9 for 90 mmHg.
inline constexpr UnitPresentation kMmHgPresentation{
    halvex::PressureUnit::MmHg, "40", "35 - 45", "90", "80 - 98", 1, 400, 700};
inline constexpr UnitPresentation kKpaPresentation{
    halvex::PressureUnit::Kpa, "5.3", "4.6 - 5.9", "11.9", "10.6 - 13", 0.1, 53, 93};

constexpr const UnitPresentation &unitPresentation(halvex::PressureUnit unit)
{
    return unit == halvex::PressureUnit::MmHg ? kMmHgPresentation : kKpaPresentation;
}
