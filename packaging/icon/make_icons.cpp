// trivane-make-icons OUTDIR NAME SIZE...: writes OUTDIR/NAME.svg and OUTDIR/SIZE/NAME.png.
#include "icon_art.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool write_svg(const QString &path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(QStringLiteral("Trivane"));
    svg.setDescription(QStringLiteral("Three phasors A, B and C from a common hub"));
    svg.setSize(
        QSize(static_cast<int>(icon_art::canvas_size), static_cast<int>(icon_art::canvas_size)));
    svg.setViewBox(QRectF(0, 0, icon_art::canvas_size, icon_art::canvas_size));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    // The generator writes the painter's font into every group; the icon has no text, but
    // the default font without an application would be written as size -1.
    p.setFont(QFont(QStringLiteral("sans-serif"), 12));
    icon_art::paint(p, static_cast<int>(icon_art::canvas_size));
    return p.end();
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: trivane-make-icons OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QString out_dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString svg_path = out_dir + QLatin1Char('/') + name + QStringLiteral(".svg");
    if (!QDir().mkpath(out_dir) || !write_svg(svg_path)) {
        std::fprintf(stderr, "trivane-make-icons: cannot write %s\n", qPrintable(svg_path));
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "trivane-make-icons: bad size %s\n", argv[i]);
            return 2;
        }
        const QString dir = out_dir + QLatin1Char('/') + QString::number(size);
        const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !icon_art::render(size).save(path, "PNG")) {
            std::fprintf(stderr, "trivane-make-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
