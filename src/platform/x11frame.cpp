#include "platform/x11frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <xcb/xcb.h>

namespace platform {

namespace {

// A manager that lists the request and never answers holds the program up this long, once.
constexpr std::chrono::milliseconds answerLimit{200};
// Between two looks at the window's frame property; answers come within a millisecond.
constexpr std::chrono::microseconds pollInterval{250};

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <class Reply> using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

struct Atoms {
    xcb_atom_t supported;
    xcb_atom_t request;
    xcb_atom_t extents;
};

Atoms internAtoms(xcb_connection_t *connection)
{
    const char *names[] = {"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"};
    xcb_intern_atom_cookie_t cookies[3];
    for (int i = 0; i < 3; ++i)
        cookies[i] = xcb_intern_atom(connection, false, uint16_t(std::strlen(names[i])), names[i]);
    xcb_atom_t atoms[3] = {};
    for (int i = 0; i < 3; ++i) {
        const ReplyPointer<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return {atoms[0], atoms[1], atoms[2]};
}

bool managerListsRequest(xcb_connection_t *connection, xcb_window_t root, const Atoms &atoms)
{
    const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, false, root, atoms.supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *listed = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(listed, listed + count, atoms.request) != listed + count;
}

void sendRequest(xcb_connection_t *connection, xcb_window_t root, xcb_window_t window,
                 const Atoms &atoms)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.request;
    xcb_send_event(connection, false, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

// The window's _NET_FRAME_EXTENTS (left, right, top, bottom), once the manager has set it.
std::optional<QMargins> frameExtents(xcb_connection_t *connection, xcb_window_t window,
                                     const Atoms &atoms)
{
    const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, false, window, atoms.extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *value = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return QMargins(int(value[0]), int(value[2]), int(value[1]), int(value[3]));
}

// Qt reads the connection's events on a thread of its own: the answer is looked for in the
// property that the manager sets.
std::optional<QMargins> awaitAnswer(xcb_connection_t *connection, xcb_window_t window,
                                    const Atoms &atoms)
{
    const auto deadline = std::chrono::steady_clock::now() + answerLimit;
    for (;;) {
        if (const std::optional<QMargins> frame = frameExtents(connection, window, atoms))
            return frame;
        if (std::chrono::steady_clock::now() > deadline)
            return std::nullopt;
        std::this_thread::sleep_for(pollInterval);
    }
}

} // namespace

QMargins frameBeforeMapping(QWidget *window)
{
    static bool unanswered = false;
    if (unanswered || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    static const Atoms atoms = internAtoms(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (!managerListsRequest(connection, root, atoms))
        return {};
    // Qt sets the window's type and hints as it creates the native window, before the request,
    // so that the manager's answer is the frame that it will give this window.
    const auto id = xcb_window_t(window->winId());
    sendRequest(connection, root, id, atoms);
    const std::optional<QMargins> frame = awaitAnswer(connection, id, atoms);
    if (!frame) {
        unanswered = true;
        return {};
    }
    // The manager counts in the screen's pixels, the program in device-independent ones.
    const qreal ratio = window->devicePixelRatioF();
    return {qRound(frame->left() / ratio), qRound(frame->top() / ratio),
            qRound(frame->right() / ratio), qRound(frame->bottom() / ratio)};
}

} // namespace platform
