#include "platform/system.h"

#include "platform/form.h"

#include <QAccessible>
#include <QApplication>

namespace platform {

namespace {

std::function<void()> &beepHook()
{
    static std::function<void()> hook;
    return hook;
}

std::function<void()> &endHook()
{
    static std::function<void()> hook;
    return hook;
}

std::function<bool()> &listeningHook()
{
    static std::function<bool()> hook;
    return hook;
}

std::function<bool()> &placementHook()
{
    static std::function<bool()> hook;
    return hook;
}

} // namespace

void beep()
{
    if (beepHook())
        beepHook()();
    else
        QApplication::beep();
}

void endProgram()
{
    if (endHook()) {
        endHook()();
        return;
    }
    FormRegistry::instance().hideAllForEnd();
    QCoreApplication::exit(0);
}

bool assistiveTechnologyListens()
{
    return listeningHook() ? listeningHook()() : QAccessible::isActive();
}

QByteArray preferredWindowSystems()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

bool windowsPlaceThemselves()
{
    if (placementHook())
        return placementHook()();
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void setBeepHook(std::function<void()> hook)
{
    beepHook() = std::move(hook);
}

void setEndProgramHook(std::function<void()> hook)
{
    endHook() = std::move(hook);
}

void setListeningHook(std::function<bool()> hook)
{
    listeningHook() = std::move(hook);
}

void setPlacementHook(std::function<bool()> hook)
{
    placementHook() = std::move(hook);
}

} // namespace platform
