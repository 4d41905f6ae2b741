// Draws the skin artwork: every "png" entry of resources/catalogue.txt, at its pixel size, into
// OUTPUT_DIR/NAME.png. Deterministic: the same sources always give the same pictures.
//
//   artgen CATALOGUE OUTPUT_DIR

#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

// Pictures larger than this are a typing error in the catalogue, not artwork.
constexpr int kMaxSide = 4096;

bool ParseSize(const QString& text, int& width, int& height) {
    const QStringList parts = text.split('x');
    if (parts.size() != 2)
        return false;
    bool okWidth = false, okHeight = false;
    width = parts[0].toInt(&okWidth);
    height = parts[1].toInt(&okHeight);
    return okWidth && okHeight && width > 0 && height > 0 && width <= kMaxSide &&
           height <= kMaxSide;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: artgen CATALOGUE OUTPUT_DIR\n");
        return 1;
    }
    QFile catalogue(QString::fromLocal8Bit(argv[1]));
    if (!catalogue.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "artgen: cannot read %s\n", argv[1]);
        return 1;
    }
    QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[2]);
        return 1;
    }
    QTextStream in(&catalogue);
    int lineNumber = 0;
    while (!in.atEnd()) {
        QString line = in.readLine();
        ++lineNumber;
        const qsizetype comment = line.indexOf('#');
        if (comment >= 0)
            line.truncate(comment);
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words.size() != 3 || words[1] != "png")
            continue;
        int width = 0, height = 0;
        if (!ParseSize(words[2], width, height)) {
            std::fprintf(stderr, "artgen: line %d: bad picture size \"%s\"\n", lineNumber,
                         qPrintable(words[2]));
            return 1;
        }
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (!orln7a::artgen::DrawArtwork(words[0], image))
            std::fprintf(stderr, "artgen: no artwork for %s, drawing a plain plate\n",
                         qPrintable(words[0]));
        const QString path = out.filePath(words[0] + ".png");
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
