#pragma once

#include <QFont>
#include <QString>

namespace platform {

// A font by family name and stored point size (such as 15.75), bold and italic as asked.
QFont font(const QString &family, qreal points, bool bold = false, bool italic = false);

// Maps the families that the windows ask for to free stand-ins where they are missing.
void installFontSubstitutes();

} // namespace platform
