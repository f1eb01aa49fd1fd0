// Renders drawings ahead of time, for the build: prerender OUTDIR FILE.svg:WIDTHxHEIGHT:RATIO...
// Each image goes where platform::prerenderedPath() will look for it, under OUTDIR.
#include "platform/picture.h"

#include <QDir>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR FILE.svg:WIDTHxHEIGHT:RATIO...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QStringList parts = QString::fromLocal8Bit(argv[i]).split(QLatin1Char(':'));
        const QStringList size = parts.value(1).split(QLatin1Char('x'));
        if (parts.size() != 3 || size.size() != 2) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        const QSize logical(size[0].toInt(), size[1].toInt());
        const qreal ratio = parts[2].toDouble();
        const QString target = platform::prerenderedPath(parts[0], logical, ratio)
                                   .mid(QStringLiteral(":/prerendered/").size());
        if (!platform::renderDrawing(parts[0], logical, ratio).save(out.filePath(target))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(target)));
            return 1;
        }
    }
    return 0;
}
