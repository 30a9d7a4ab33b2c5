// Build-time helper: renders an SVG to a square PNG of the requested size.
// Usage: frankierung-render-icon <in.svg> <size> <out.png>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: %s <ein.svg> <groesse> <aus.png>\n", argv[0]);
        return 1;
    }
    // No QGuiApplication: the icons hold shapes only, so no platform plugin or font is needed
    // and the build runs headless.
    const QString in = QString::fromLocal8Bit(argv[1]);
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (!ok || size < 1 || size > 4096) {
        std::fprintf(stderr, "Ungueltige Groesse: %s\n", argv[2]);
        return 1;
    }
    QSvgRenderer renderer(in);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "SVG nicht lesbar: %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "PNG nicht schreibbar: %s\n", argv[3]);
        return 1;
    }
    return 0;
}
