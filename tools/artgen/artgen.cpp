// Draws the skin artwork: every "png" entry of resources/catalogue.txt, at its pixel size, into
// OUTPUT_DIR/NAME.png. Deterministic: the same sources always give the same pictures.
//
//   artgen CATALOGUE OUTPUT_DIR

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

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
    out.mkpath(".");
    QTextStream in(&catalogue);
    while (!in.atEnd()) {
        QString line = in.readLine();
        line = line.left(line.indexOf('#') < 0 ? line.size() : line.indexOf('#'));
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words.size() != 3 || words[1] != "png")
            continue;
        const QStringList size = words[2].split('x');
        QImage image(size[0].toInt(), size[1].toInt(), QImage::Format_ARGB32);
        QPainter p(&image);
        QLinearGradient g(0, 0, 0, image.height());
        g.setColorAt(0, QColor(36, 38, 46));
        g.setColorAt(1, QColor(14, 15, 19));
        p.fillRect(image.rect(), g);
        p.setPen(QColor(255, 80, 40));
        p.drawRect(image.rect().adjusted(0, 0, -1, -1));
        p.end();
        if (!image.save(out.filePath(words[0] + ".png"), "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(words[0]));
            return 1;
        }
    }
    return 0;
}
