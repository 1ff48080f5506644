#pragma once

// Practice aimed at weak categories: each category weighs one more for every
// wrong answer on it this session, and a category never answered weighs as one
// answered wrong once. The draw stays among the teacher's variants 1 to 28,
// each weighing what its category weighs, so with equal weights it is the
// usual uniform draw.

#include "engine/AbgCategory.h"
#include "engine/RandomSource.h"
#include "teaching/TeacherSession.h"

#include <array>
#include <utility>
#include <vector>

namespace halvex {

std::array<int, kCategoryCount> weaknessWeights(const TeacherSession &session);

// What the practice favours now, for the teacher to see: the categories
// answered wrong, each with its weight (answered ones only; in code order),
// and how many categories have not been met yet, which weigh 2.
struct PracticeFocus {
    std::vector<std::pair<AbgCategory, int>> weak;
    int notMetYet = 0;
};
PracticeFocus practiceFocus(const TeacherSession &session);

// Re-seeds and draws a variant 1 to 28 by its category's weight.
int drawWeakVariant(const std::array<int, kCategoryCount> &weights, RandomSource &random);

} // namespace halvex
