#pragma once

// Where an assessment shows what it found: the window's two result fields and
// its error dialog, the command line's output row, or a test's recorder.

#include <string>

namespace halvex {

class AssessmentOutput {
public:
    virtual ~AssessmentOutput() = default;
    virtual void setAcidBaseText(const std::string &text) = 0;
    virtual void setOxygenationText(const std::string &text) = 0;
    // Shows an inconsistency sentence; returns once the user has seen it.
    virtual void showAbgError(const std::string &message) = 0;
};

} // namespace halvex
