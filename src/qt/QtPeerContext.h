#pragma once

class QtEventQueue;
class QtFrameProbe;
class QtMenuActions;

// What a control's peer may use besides its model: where user input goes, the actions of the
// menu items, and the frames the window manager draws.
struct QtPeerContext {
  QtEventQueue& events;
  QtMenuActions& menus;
  QtFrameProbe& frames;
};
