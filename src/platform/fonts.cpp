#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform {

QFont font(const QString &family, qreal points, bool bold, bool italic)
{
    QFont result(family);
    result.setPointSizeF(points);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

void installFontSubstitutes()
{
    struct StandIn {
        const char *family;
        const char *freeFamily;
    };
    static constexpr StandIn standIns[] = {
        {"Comic Sans MS", "Comic Neue"},
        {"Times New Roman", "Liberation Serif"},
        {"MS Sans Serif", "Liberation Sans"},
    };
    const QStringList installed = QFontDatabase::families();
    for (const auto &standIn : standIns) {
        const QString family = QString::fromLatin1(standIn.family);
        if (!installed.contains(family, Qt::CaseInsensitive))
            QFont::insertSubstitution(family, QString::fromLatin1(standIn.freeFamily));
    }
}

} // namespace platform
