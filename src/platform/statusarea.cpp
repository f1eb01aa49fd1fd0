#include "platform/statusarea.h"

#include "platform/accessibility.h"

namespace platform {

StatusArea::StatusArea(QWidget *parent, const QRect &geometry)
    : QWidget(parent)
{
    installAccessibleFaces();
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace platform
