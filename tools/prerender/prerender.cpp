// Renders drawings ahead of time, for the build (src/resources/pictures.cmake).
//   prerender QRC                    the images the start-up looks for, into the folder of QRC,
//                                    and QRC, which lists them for rcc under the resource paths
//                                    that platform::prerenderedPath() gives
//   prerender --icons DIR SIDE...    the anchor icon as DIR/SIDExSIDE.png, for the icon theme
// The sizes come from the catalogue, and the drawings from the resources compiled in with it.
#include "resources/pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <cstdio>

namespace {

struct Job {
    QString source;
    QSize size;
    qreal ratio;
};

// Every drawing at its natural size, and the window icon at each of its other sizes, for
// screens of pixel ratio 1 and 2.
QList<Job> startupJobs()
{
    QList<Job> jobs;
    for (int i = 0; i < pictures::count; ++i) {
        const platform::Picture picture = pictures::picture(pictures::Id(i));
        if (picture.source().endsWith(QLatin1String(".svg")))
            for (const qreal ratio : {1.0, 2.0})
                jobs.append({picture.source(), picture.size(), ratio});
    }
    const platform::Picture anchor = pictures::picture(pictures::Id::anchorIcon);
    for (const QSize &size : pictures::windowIconSizes)
        if (size != anchor.size())
            for (const qreal ratio : {1.0, 2.0})
                jobs.append({anchor.source(), size, ratio});
    return jobs;
}

bool save(const Job &job, const QString &file)
{
    if (platform::renderDrawing(job.source, job.size, job.ratio).save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

int renderForStartup(const QString &qrc)
{
    const QDir dir = QFileInfo(qrc).dir();
    QDir().mkpath(dir.path());
    QByteArray list = "<RCC><qresource>\n";
    for (const Job &job : startupJobs()) {
        // The resource path without its ":/"; the image lies beside the list.
        const QString path = platform::prerenderedPath(job.source, job.size, job.ratio).mid(2);
        const QString name = QFileInfo(path).fileName();
        if (!save(job, dir.filePath(name)))
            return 1;
        list += QStringLiteral("<file alias=\"%1\">%2</file>\n").arg(path, name).toUtf8();
    }
    list += "</qresource></RCC>\n";
    QFile file(qrc);
    if (!file.open(QIODevice::WriteOnly) || file.write(list) != list.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(qrc));
        return 1;
    }
    return 0;
}

int renderIcons(const QDir &dir, const QStringList &sides)
{
    QDir().mkpath(dir.path());
    const QString source = pictures::picture(pictures::Id::anchorIcon).source();
    for (const QString &side : sides) {
        const QSize size(side.toInt(), side.toInt());
        const QString file = dir.filePath(QStringLiteral("%1x%1.png").arg(side));
        if (size.isEmpty() || !save({source, size, 1.0}, file))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.size() == 1 && !arguments[0].startsWith(QLatin1Char('-')))
        return renderForStartup(arguments[0]);
    if (arguments.size() > 2 && arguments[0] == QLatin1String("--icons"))
        return renderIcons(QDir(arguments[1]), arguments.mid(2));
    std::fprintf(stderr, "usage: %s QRC | --icons DIR SIDE...\n", argv[0]);
    return 2;
}
