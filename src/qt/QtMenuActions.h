#pragma once

#include <unordered_map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class QtEventQueue;
class TMenuItem;

// The Qt actions that show our menu items, in a menu bar or an open popup menu. It builds them
// from the items, keeps each in step with its item and queues a choice; an action forgets its
// item when its menu goes away.
class QtMenuActions {
public:
  explicit QtMenuActions(QtEventQueue& events) : FEvents(events) {}

  // Adds the children of root to a menu bar, a top item with children becoming a menu.
  void Fill(QMenuBar& bar, const TMenuItem& root);
  // Adds the children of root to a menu, an item with children becoming a submenu.
  void Fill(QMenu& menu, const TMenuItem& root);
  // Shows the item's current caption, marks and state; an item without an action is ignored.
  void Update(const TMenuItem& item);
  // The action showing an item, or nullptr.
  QAction* ActionOf(const TMenuItem& item) const;

private:
  // Maps the action to the item and queues its choice.
  void Bind(QAction& action, TMenuItem& item);
  static void Sync(QAction& action, const TMenuItem& item);

  QtEventQueue& FEvents;
  std::unordered_map<const TMenuItem*, QAction*> FActions;
};
