// Draws the program's pictures into PNG files in the folder given, at build time.

#include "ArtworkPainter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QGuiApplication>

#include <cstdio>

namespace {

// PNG for the small pictures; the splash picture as raw 32-bit pixels, which the
// program shows without decoding anything while it starts.
bool save(const QPixmap &picture, const QString &path)
{
    if (!path.endsWith(QLatin1String(".rgb32")))
        return picture.save(path, "PNG");
    const QImage pixels = picture.toImage().convertToFormat(QImage::Format_RGB32);
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
           && file.write(reinterpret_cast<const char *>(pixels.constBits()), pixels.sizeInBytes()) == pixels.sizeInBytes();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: halvex_artwork_painter FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using artwork::painter::GroupIcon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("halvex-%1.png").arg(size);
        if (!save(artwork::painter::applicationIcon(size), folder.filePath(name))) {
            std::fprintf(stderr, "halvex_artwork_painter: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    const std::pair<const char *, QPixmap> pictures[] = {
        {"splash.rgb32", artwork::painter::splashPicture()},
        {"tick.png", artwork::painter::tickMarker()},
        {"arrow.png", artwork::painter::arrowMarker()},
        {"group-abg.png", artwork::painter::groupIcon(GroupIcon::Abg)},
        {"group-units.png", artwork::painter::groupIcon(GroupIcon::Units)},
        {"group-language.png", artwork::painter::groupIcon(GroupIcon::Language)},
        {"report-logo.png", artwork::painter::reportLogo()},
        {"printer.png", artwork::painter::printerIcon()},
    };
    for (const auto &[name, picture] : pictures) {
        if (!save(picture, folder.filePath(QString::fromLatin1(name)))) {
            std::fprintf(stderr, "halvex_artwork_painter: cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
