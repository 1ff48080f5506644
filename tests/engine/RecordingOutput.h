#pragma once

// Records what an assessment shows, as the window's result fields and error
// dialog would hold it.

#include "engine/AssessmentOutput.h"

#include <string>

struct RecordingOutput final : halvex::AssessmentOutput {
    std::string acidBase;
    std::string oxygenation;
    std::string error;
    int errorsShown = 0;

    void setAcidBaseText(const std::string &text) override { acidBase = text; }
    void setOxygenationText(const std::string &text) override { oxygenation = text; }
    void showAbgError(const std::string &message) override
    {
        error = message;
        ++errorsShown;
    }
};
