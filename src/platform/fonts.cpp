#include "platform/fonts.h"

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
    // A substitute serves only where its family is not installed, so the table can be filled
    // without enumerating the installed fonts, which would cost start-up time.
    for (const auto &standIn : standIns)
        QFont::insertSubstitution(QString::fromLatin1(standIn.family),
                                  QString::fromLatin1(standIn.freeFamily));
}

} // namespace platform
