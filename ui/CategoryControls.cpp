#include "ui/CategoryControls.h"

#include "language/Language.h"

namespace {
constexpr int kAcidoses = 7;
}

QString categoryControlName(const QString &prefix, halvex::AbgCategory category, const QString &suffix)
{
    const std::string_view abbreviation = halvex::categoryInfo(category).abbreviation;
    return prefix + QString::fromLatin1(abbreviation.data(), static_cast<qsizetype>(abbreviation.size())) + suffix;
}

QColor categoryColour(halvex::AbgCategory category)
{
    const halvex::Rgb rgb = halvex::categoryInfo(category).colour;
    return {rgb.red, rgb.green, rgb.blue};
}

QString categoryEnglishName(halvex::AbgCategory category)
{
    const std::string_view name = halvex::categoryInfo(category).englishName;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString categoryName(halvex::AbgCategory category, std::string_view language)
{
    return QString::fromStdString(halvex::Translate(halvex::categoryInfo(category).englishName, language));
}

GridPlace categoryGridPlace(halvex::AbgCategory category)
{
    const int code = halvex::categoryCode(category);
    if (code == 0)
        return {0, 0};
    return code <= kAcidoses ? GridPlace{code, 0} : GridPlace{code - kAcidoses, 1};
}
