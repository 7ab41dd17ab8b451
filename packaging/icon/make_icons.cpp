// trivane-make-icons OUTDIR NAME SIZE...: writes OUTDIR/NAME.svg and OUTDIR/SIZE/NAME.png.
#include "icon_art.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: trivane-make-icons OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QString out_dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    QFile svg(out_dir + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!QDir().mkpath(out_dir) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(icon_art::svg().toUtf8()) < 0) {
        std::fprintf(stderr, "trivane-make-icons: cannot write %s\n", qPrintable(svg.fileName()));
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
