#pragma once

// The window texts that follow the interface language: for each control, its
// English and its French text, in the order the caption sets write them.

#include <array>
#include <string_view>

namespace halvex {

struct Caption {
    std::string_view control;
    std::string_view english;
    std::string_view french;
};

const std::array<Caption, 35> &captionSets();

} // namespace halvex
