// Draws the program's pictures into PNG files in the folder given, at build time.

#include "ArtworkPainter.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: halvex_artwork FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using artwork::painter::GroupIcon;
    const std::pair<const char *, QPixmap> pictures[] = {
        {"splash.bmp", artwork::painter::splashPicture()},
        {"tick.png", artwork::painter::tickMarker()},
        {"arrow.png", artwork::painter::arrowMarker()},
        {"group-abg.png", artwork::painter::groupIcon(GroupIcon::Abg)},
        {"group-units.png", artwork::painter::groupIcon(GroupIcon::Units)},
        {"group-language.png", artwork::painter::groupIcon(GroupIcon::Language)},
    };
    for (const auto &[name, picture] : pictures) {
        if (!picture.save(folder.filePath(QString::fromLatin1(name)))) {
            std::fprintf(stderr, "halvex_artwork: cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
