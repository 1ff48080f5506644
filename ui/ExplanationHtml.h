#pragma once

// An explanation as rich text, as the explanation page and the review show it:
// after a scored answer the verdict on it first, then the steps, then the
// teaching notes set apart, in colours readable on the palette given.

#include "engine/BloodGasSample.h"
#include "engine/Explanation.h"
#include "engine/Presentation.h"
#include "teaching/Practice.h"

#include <QPalette>
#include <QString>

#include <optional>

// With electrolytes that give an anion gap, its steps and notes too.
QString explanationHtml(const halvex::BloodGasSample &sample, const std::optional<halvex::AnswerVerdict> &verdict,
                        halvex::CaseOrigin origin, const halvex::Presentation &presentation, const QPalette &palette,
                        const halvex::Electrolytes &electrolytes = {});

// A paragraph of plain text, as rich text.
QString paragraphHtml(const QString &text);
