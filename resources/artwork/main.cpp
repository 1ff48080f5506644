// Draws the program's pictures into the folder given, at build time: the
// pictures of the list as raw pixels, the application icon as PNG files.

#include "resources/artwork/ArtworkPainter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>

namespace {

// The pictures the program shows are kept as raw pixels, premultiplied ARGB32
// after a header of two 32-bit sizes, so that nothing is decoded while it
// starts; the icons for the desktop are PNG files. A picture said to be opaque
// is refused if any pixel is not.
bool save(const QPixmap &picture, const QString &path, bool opaque = false)
{
    if (!path.endsWith(QLatin1String(".argb")))
        return picture.save(path, "PNG");
    const QImage pixels = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (opaque) {
        for (int y = 0; y < pixels.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
            if (std::any_of(line, line + pixels.width(), [](QRgb pixel) { return qAlpha(pixel) != 255; })) {
                std::fprintf(stderr, "halvex_artwork_painter: %s is not opaque\n", qPrintable(path));
                return false;
            }
        }
    }
    const quint32 size[2] = {quint32(pixels.width()), quint32(pixels.height())};
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
           && file.write(reinterpret_cast<const char *>(size), sizeof size) == sizeof size
           && file.write(reinterpret_cast<const char *>(pixels.constBits()), pixels.sizeInBytes())
                  == pixels.sizeInBytes();
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
    for (const int size : artwork::kIconSizes) {
        const QString name = QStringLiteral("halvex-%1.png").arg(size);
        if (!save(artwork::painter::applicationIcon(size), folder.filePath(name))) {
            std::fprintf(stderr, "halvex_artwork_painter: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    for (const artwork::PictureFile &picture : artwork::kPictures) {
        if (!save(artwork::painter::draw(picture.picture), folder.filePath(QString::fromLatin1(picture.file)),
                  picture.opaque)) {
            std::fprintf(stderr, "halvex_artwork_painter: cannot write %s\n", picture.file);
            return 1;
        }
    }
    return 0;
}
