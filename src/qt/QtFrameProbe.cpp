#include "qt/QtFrameProbe.h"

#include "qt/QtFormWindow.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <thread>
#include <vector>

#ifdef VELMORA_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace {

constexpr TBorderStyle FramedStyles[] = {TBorderStyle::bsSingle, TBorderStyle::bsSizeable,
                                         TBorderStyle::bsDialog};

std::size_t Index(TBorderStyle style) {
  return static_cast<std::size_t>(style);
}

FrameExtents FromMargins(const QMargins& margins) {
  return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

#ifdef VELMORA_HAVE_XCB
xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  xcb_atom_t atom = XCB_ATOM_NONE;
  if (reply) atom = reply->atom;
  std::free(reply);
  return atom;
}

// The CARDINAL values of a window property, if it has at least `count` of them.
bool ReadCardinals(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                   std::uint32_t count, std::uint32_t* values) {
  auto cookie = xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, count);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  bool ok = reply && reply->format == 32 && reply->value_len >= count;
  if (ok) std::memcpy(values, xcb_get_property_value(reply), count * sizeof(std::uint32_t));
  std::free(reply);
  return ok;
}

// Asks the window manager for the frames of unmapped windows (_NET_REQUEST_FRAME_EXTENTS) and
// waits a bounded time for its answers; false when there is no X11 connection to ask.
bool MeasureX11(const std::vector<std::unique_ptr<QWidget>>& probes,
                std::array<FrameExtents, 4>& frames) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return false;
  // The root of the screen the probes are on, which need not be the display's first.
  auto tree = xcb_query_tree(connection, static_cast<xcb_window_t>(probes.front()->winId()));
  xcb_query_tree_reply_t* treeReply = xcb_query_tree_reply(connection, tree, nullptr);
  if (!treeReply) return true;
  xcb_window_t root = treeReply->root;
  std::free(treeReply);
  std::uint32_t check = 0;
  if (!ReadCardinals(connection, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), 1, &check))
    return true; // no window manager: the fallback stays
  xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
  for (const auto& probe : probes) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(probe->winId());
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
  }
  xcb_flush(connection);
  // A window manager answers within milliseconds; one that does not support the request must
  // not hold up the start for long.
  std::vector<bool> answered(probes.size(), false);
  QElapsedTimer waited;
  waited.start();
  std::size_t left = probes.size();
  while (left > 0 && waited.elapsed() < 500) {
    for (std::size_t i = 0; i < probes.size(); ++i) {
      if (answered[i]) continue;
      std::uint32_t values[4]; // left, right, top, bottom
      if (!ReadCardinals(connection, static_cast<xcb_window_t>(probes[i]->winId()), extents, 4,
                         values))
        continue;
      frames[Index(FramedStyles[i])] = {static_cast<int>(values[0]), static_cast<int>(values[2]),
                                        static_cast<int>(values[1]), static_cast<int>(values[3])};
      answered[i] = true;
      --left;
    }
    if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}
#endif

} // namespace

FrameExtents QtFrameProbe::For(TBorderStyle style) {
  if (!FMeasured) Measure();
  return FFrames[Index(style)];
}

bool QtFrameProbe::Observed(TBorderStyle style, const FrameExtents& frame) {
  if (!FMeasured) Measure();
  FrameExtents& known = FFrames[Index(style)];
  if (known.left == frame.left && known.top == frame.top && known.right == frame.right &&
      known.bottom == frame.bottom)
    return false;
  known = frame;
  return true;
}

void QtFrameProbe::Measure() {
  FMeasured = true;
  // Probe windows with the flags and size hints a form of each style gets; they are created
  // but never shown.
  std::vector<std::unique_ptr<QWidget>> probes;
  for (TBorderStyle style : FramedStyles) {
    FFrames[Index(style)] = Fallback;
    auto probe = std::make_unique<QWidget>(
        nullptr, QtFormWindow::FlagsFor(style, biSystemMenu | biMinimize | biMaximize, false));
    if (style == TBorderStyle::bsSizeable)
      probe->resize(160, 120);
    else
      probe->setFixedSize(160, 120);
    probe->winId();
    probes.push_back(std::move(probe));
  }
#ifdef VELMORA_HAVE_XCB
  if (MeasureX11(probes, FFrames)) return;
#endif
  // Platforms that draw or know the frame themselves (offscreen, Wayland's client-side
  // decorations) tell it as soon as the window exists.
  for (std::size_t i = 0; i < probes.size(); ++i) {
    QMargins margins = probes[i]->windowHandle()->frameMargins();
    if (!margins.isNull()) FFrames[Index(FramedStyles[i])] = FromMargins(margins);
  }
}
