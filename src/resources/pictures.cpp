#include "resources/pictures.h"

#include "platform/twips.h"

#include <array>

namespace pictures {

namespace {

struct Entry {
    const char *name;
    const char *file;
    int widthTwips;
    int heightTwips;
};

// Photograph and icons by pixel size, drawings by the bounding box they were designed on.
constexpr std::array<Entry, count> catalogue = {{
    {"seascape", "seascape.jpg", 800 * 15, 600 * 15},
    {"anchor icon", "anchor.svg", 32 * 15, 32 * 15},
    {"hit symbol", "hit.svg", 32 * 15, 32 * 15},
    {"miss symbol", "miss.svg", 351, 275},
    {"attack title", "attack-title.svg", 2615, 608},
    {"defence title", "defence-title.svg", 2087, 981},
    {"computer face", "computer-face.svg", 1005, 1172},
    {"player face", "player-face.svg", 881, 1093},
    {"large ship", "large-ship.svg", 1045, 1476},
    {"small ship", "small-ship.svg", 621, 877},
    {"splash title", "splash-title.svg", 5727, 1496},
    {"wait caption", "wait-caption.svg", 1822, 445},
    {"info title", "info-title.svg", 3358, 553},
    {"instructions title", "instructions-title.svg", 5229, 955},
    {"requirements computer", "requirements-computer.svg", 2388, 2563},
    {"winner", "winner.svg", 3760, 3792},
    {"loser", "loser.svg", 5079, 2326},
}};

const Entry &entry(Id id)
{
    return catalogue[std::size_t(id)];
}

} // namespace

QSize naturalTwips(Id id)
{
    return {entry(id).widthTwips, entry(id).heightTwips};
}

QString name(Id id)
{
    return QString::fromLatin1(entry(id).name);
}

platform::Picture picture(Id id)
{
    const Entry &e = entry(id);
    const QSizeF pixels(double(e.widthTwips) / platform::twipsPerPixel,
                        double(e.heightTwips) / platform::twipsPerPixel);
    return {QStringLiteral(":/pictures/") + QLatin1String(e.file), pixels};
}

QIcon windowIcon()
{
    return picture(Id::anchorIcon).icon(windowIconSizes);
}

} // namespace pictures
