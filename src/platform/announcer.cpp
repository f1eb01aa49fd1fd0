#include "platform/announcer.h"

#include "platform/accessibility.h"
#include "platform/system.h"

#include <QAccessible>
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

// Puts one message out to assistive technology, which speaks it whatever has the focus.
void Announcer::announce(Notice *notice, const QString &text)
{
    settle->stop();
    if (!assistiveTechnologyListens())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The window tells it, through the toolkit's own channel. Polite: spoken after the speech
    // under way and after what the focus moves that came before it say; an assertive message
    // goes ahead of those, and the player would hear the focus sink's name after a shot's result.
    QAccessibleAnnouncementEvent announcement(notice->window(), text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    notice->tell(text);
#endif
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
    // Before Qt 6.8 the notifications are the notice's children; the notice only holds them.
    installAccessibleFaces();
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Where messages go out as announcements, the notice never shows: a screen reader would
    // speak an empty notification as its window opens.
    if (announcements) {
        hide();
        return;
    }
    for (QWidget *&bulletin : bulletins_) {
        bulletin = new QWidget(this);
        bulletin->setGeometry(0, 0, 0, 0);
        new QLabel(bulletin);
    }
}

void Notice::tell(const QString &text)
{
    // A notification that shows, in a window on screen. A change of name or description alone
    // is not spoken: Qt before 6.8 sends a reference to the object in place of the new text,
    // which screen readers cannot read out. The text is the label's inside it, not the
    // notification's name: Orca speaks the labels of a notification that shows, and makes of
    // them its braille flash and the entry in its list of notifications, leaving out a label
    // that repeats the notification's name.
    QWidget *bulletin = bulletins_[next_];
    next_ = 1 - next_;
    bulletin->findChild<QLabel *>()->setText(text);
    QAccessibleEvent shown(bulletin, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace platform
