#pragma once

// The program's pictures, each named once: the painter draws every one of them
// under its file name when the program is built, the program loads each by the
// same name, and CMake reads the names from here. Plain C++.

#include <array>

namespace artwork {

enum class Picture { Splash, Tick, Arrow, GroupAbg, GroupUnits, GroupLanguage, ReportLogo, Printer };

struct PictureFile {
    Picture picture;
    const char *file; // raw pixels, premultiplied ARGB32 after two 32-bit sizes
    // Every pixel opaque (the painter checks it): the program shows the picture
    // without first looking through it for transparent pixels.
    bool opaque = false;
};

inline constexpr std::array<PictureFile, 8> kPictures{{
    {Picture::Splash, "splash.argb", true},
    {Picture::Tick, "tick.argb"},
    {Picture::Arrow, "arrow.argb"},
    {Picture::GroupAbg, "group-abg.argb"},
    {Picture::GroupUnits, "group-units.argb"},
    {Picture::GroupLanguage, "group-language.argb"},
    {Picture::ReportLogo, "report-logo.argb"},
    {Picture::Printer, "printer.argb"},
}};

constexpr const PictureFile &pictureFile(Picture picture)
{
    return kPictures[static_cast<std::size_t>(picture)];
}

// The application icon's sizes in pixels, as PNG files "halvex-SIZE.png": all
// of them installed for the desktop, the first four compiled in for the window.
inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};
inline constexpr std::size_t kWindowIconSizes = 4;

enum class GroupIcon { Abg, Units, Language };

} // namespace artwork
