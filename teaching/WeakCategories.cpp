#include "teaching/WeakCategories.h"

#include "engine/SampleGenerator.h"

namespace halvex {
namespace {

// The category of a variant 1 to 28: 1 is Normal, 2k and 2k + 1 the category of code k.
AbgCategory categoryOfVariant(int variant)
{
    return *categoryFromCode(variant / 2);
}

} // namespace

std::array<int, kCategoryCount> weaknessWeights(const TeacherSession &session)
{
    std::array<int, kCategoryCount> weights{};
    for (const AbgCategoryInfo &info : abgCategories()) {
        const std::optional<TeacherSession::Tally> tally = session.categoryStats(info.category);
        const bool seen = tally && tally->answers > 0;
        weights[std::size_t(categoryCode(info.category))] = seen ? 1 + tally->answers - tally->correct : 2;
    }
    return weights;
}

PracticeFocus practiceFocus(const TeacherSession &session)
{
    PracticeFocus focus;
    const std::array<int, kCategoryCount> weights = weaknessWeights(session);
    for (const AbgCategoryInfo &info : abgCategories()) {
        const std::optional<TeacherSession::Tally> tally = session.categoryStats(info.category);
        const int weight = weights[std::size_t(categoryCode(info.category))];
        if (!tally || tally->answers == 0)
            ++focus.notMetYet;
        else if (weight > 1)
            focus.weak.emplace_back(info.category, weight);
    }
    return focus;
}

int drawWeakVariant(const std::array<int, kCategoryCount> &weights, RandomSource &random)
{
    int total = 0;
    for (int variant = kFirstVariant; variant <= kLastRandomVariant; ++variant)
        total += weights[std::size_t(categoryCode(categoryOfVariant(variant)))];
    random.reseed();
    int draw = random.uniform(0, total - 1);
    for (int variant = kFirstVariant; variant <= kLastRandomVariant; ++variant) {
        draw -= weights[std::size_t(categoryCode(categoryOfVariant(variant)))];
        if (draw < 0)
            return variant;
    }
    return kLastRandomVariant;
}

} // namespace halvex
