#pragma once

// Where an assessment shows what it found: the window's two result fields and
// its error dialog, the command line's output row, or a test's recorder. The
// texts are valid only during the call.

#include <string_view>

namespace halvex {

class AssessmentOutput {
public:
    virtual ~AssessmentOutput() = default;
    virtual void setAcidBaseText(std::string_view text) = 0;
    virtual void setOxygenationText(std::string_view text) = 0;
    // Shows an inconsistency sentence; returns once the user has seen it.
    virtual void showAbgError(std::string_view message) = 0;
};

} // namespace halvex
