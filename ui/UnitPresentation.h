#pragma once

// What each pressure unit shows in the window: the unit label, the normal
// values and ranges, and the pressure fields' step and maxima.

struct UnitPresentation {
    const char *units; // the engine's unit name
    const char *label; // beside the fields and on the normal-values page
    const char *paco2Normal;
    const char *paco2Range;
    const char *pao2Normal;
    const char *pao2Range;
    double step;
    double paco2Maximum;
    double pao2Maximum;
};

// Fixed texts, not conversions: the page shows 11.9 for 90 mmHg.
inline constexpr UnitPresentation kMmHgPresentation{"MMHG", "mmHg", "40", "35 - 45", "90", "80 - 98", 1, 400, 700};
inline constexpr UnitPresentation kKpaPresentation{"KPA", "kpa", "5.3", "4.6 - 5.9", "11.9", "10.6 - 13", 0.1, 53, 93};
// In kPa both pressure fields show one decimal, whatever the preferences hold.
inline constexpr int kKpaDecimals = 1;
