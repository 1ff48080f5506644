#pragma once

// Records what an assessment shows, as the window's result fields and error
// dialog would hold it.

#include "engine/AssessmentOutput.h"

#include <string>
#include <string_view>

struct RecordingOutput final : halvex::AssessmentOutput {
    std::string acidBase;
    std::string oxygenation;
    std::string error;
    int errorsShown = 0;

    void setAcidBaseText(std::string_view text) override { acidBase = text; }
    void setOxygenationText(std::string_view text) override { oxygenation = text; }
    void showAbgError(std::string_view message) override
    {
        error = message;
        ++errorsShown;
    }
};
