// dovrel-render-icon SVG OUTDIR SIZE...: renders SVG into OUTDIR/<SIZE>.png
// for each size, square and with a transparent background. A build tool: the
// hicolor PNG icons and the window icon come from the one drawing.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: dovrel-render-icon SVG OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "dovrel-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || size > 4096) {
            std::fprintf(stderr, "dovrel-render-icon: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString file = outDir + QLatin1Char('/') + QString::number(size) + QStringLiteral(".png");
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "dovrel-render-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
