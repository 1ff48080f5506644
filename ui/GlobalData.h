#pragma once

// The two process-wide strings every part of the window reads: the pressure
// unit in force ("MMHG" or "KPA") and the interface language ("ENGLISH",
// "FRENCH", ...). Only the units switch and the language switch write them.

#include <string>

namespace halvex {

inline std::string CurrentUnits;
inline std::string CurrentLanguage;

} // namespace halvex
