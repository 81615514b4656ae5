// Renders quorvane.svg into the PNG sizes the program and the desktop install use. Run by hand
// when the artwork changes: quorvane-render-icons SVG OUTDIR; the PNGs are committed.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    constexpr char kUsage[] = "usage: quorvane-render-icons SVG OUTDIR\n";
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    QGuiApplication app(argc, argv);
    if (argc != 3 || argv[1][0] == '-' || argv[2][0] == '-') {
        std::fputs(kUsage, stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path =
            QStringLiteral("%1/quorvane-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!image.save(path, "PNG", 0)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
