#include "platform/announcer.h"

#include "platform/system.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace platform {

namespace {

// Qt 6.8 brought a channel of its own for such messages, which this Qt checks for at build time:
// before it, a message goes out as a notification that shows.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
constexpr bool announcements = true;
#else
constexpr bool announcements = false;
#endif

QAccessibleInterface *notificationFace(const QString &, QObject *object)
{
    if (auto *notice = qobject_cast<Notice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

// Puts one message out to assistive technology, which speaks it whatever has the focus.
void speak(Notice *notice, const QString &text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The window tells it, through the toolkit's own channel.
    QAccessibleAnnouncementEvent announcement(notice->window(), text);
    QAccessible::updateAccessibility(&announcement);
#else
    // A notification in a window on screen, as it shows. A change of name or description alone
    // is not spoken: this Qt sends a reference to the object in place of the new text, which
    // screen readers cannot read out. The text is the label's inside it, not the notification's
    // name: Orca speaks the labels of a notification that shows, and makes of them its braille
    // flash and the entry in its list of notifications, leaving out a label that repeats the
    // notification's name.
    notice->findChild<QLabel *>()->setText(text);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace

Announcer &Announcer::instance()
{
    // The application owns it, so that it goes before the application does.
    static QPointer<Announcer> one;
    if (!one)
        one = new Announcer(QCoreApplication::instance());
    return *one;
}

Announcer::Announcer(QObject *parent)
    : QObject(parent)
    , settle(new QTimer(this))
{
    // A screen reader goes through a flood of a few hundred changes in about half a second.
    settle->setInterval(1000);
    settle->setSingleShot(true);
    connect(settle, &QTimer::timeout, this, [this] {
        if (waitingNotice_)
            announce(waitingNotice_, waiting_);
    });
}

void Announcer::announce(Notice *notice, const QString &text)
{
    settle->stop();
    if (!assistiveTechnologyListens())
        return;
    speak(notice, text);
    emit announced(text);
}

void Announcer::announceAfterChanges(Notice *notice, const QString &text)
{
    // Without a screen reader there is no one to tell, and no timer runs.
    if (!assistiveTechnologyListens())
        return;
    waitingNotice_ = notice;
    waiting_ = text;
    settle->start();
}

Notice::Notice(QWidget *parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        if (!announcements)
            QAccessible::installFactory(notificationFace);
        return true;
    }();
    Q_UNUSED(installed);
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Where messages go out as announcements, the notice never shows: a screen reader would
    // speak an empty notification as its window opens. Elsewhere its label holds the message;
    // the notice has no size, so nothing of it shows on screen.
    if (announcements)
        hide();
    else
        new QLabel(this);
}

} // namespace platform
