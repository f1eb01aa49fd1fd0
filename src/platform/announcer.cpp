#include "platform/announcer.h"

#include "platform/system.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace platform {

namespace {

QAccessibleInterface *notificationFace(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
    , settle(new QTimer(this))
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFace);
        return true;
    }();
    Q_UNUSED(installed);
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A screen reader goes through a flood of a few hundred changes in about half a second.
    settle->setInterval(1000);
    settle->setSingleShot(true);
    connect(settle, &QTimer::timeout, this, [this] { announce(waiting_); });
}

void Announcer::announce(const QString &text)
{
    settle->stop();
    if (!assistiveTechnologyListens())
        return;
    setAccessibleName(text);
    // A notification that shows is spoken whatever has the focus. A change of name or
    // description alone is not: this Qt sends a reference to the object in place of the new
    // text, which screen readers cannot read out.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced(text);
}

void Announcer::announceAfterChanges(const QString &text)
{
    // Without a screen reader there is no one to tell, and no timer runs.
    if (!assistiveTechnologyListens())
        return;
    waiting_ = text;
    settle->start();
}

} // namespace platform
