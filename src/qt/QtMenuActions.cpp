#include "qt/QtMenuActions.h"

#include "qt/QtConvert.h"
#include "qt/QtEventQueue.h"
#include "ui/Menus.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

void QtMenuActions::Fill(QMenuBar& bar, const TMenuItem& root) {
  for (TMenuItem* item : root.Items()) {
    if (item->Items().empty()) {
      Bind(*bar.addAction(QString()), *item);
      continue;
    }
    QMenu* menu = bar.addMenu(QString());
    Bind(*menu->menuAction(), *item);
    Fill(*menu, *item);
  }
}

void QtMenuActions::Fill(QMenu& menu, const TMenuItem& root) {
  for (TMenuItem* item : root.Items()) {
    if (item->Items().empty()) {
      Bind(*menu.addAction(QString()), *item);
      continue;
    }
    QMenu* submenu = menu.addMenu(QString());
    Bind(*submenu->menuAction(), *item);
    Fill(*submenu, *item);
  }
}

void QtMenuActions::Bind(QAction& action, TMenuItem& item) {
  FActions[&item] = &action;
  QObject::connect(&action, &QObject::destroyed, [this, key = &item, gone = &action] {
    auto it = FActions.find(key);
    if (it != FActions.end() && it->second == gone) FActions.erase(it);
  });
  if (item.Items().empty())
    QObject::connect(&action, &QAction::triggered, [this, &item, &action] {
      FEvents.Push(QtEventQueue::MenuItemChosen{&item});
      // Qt toggles a checkable action by itself; the mark is the model's to set.
      action.setChecked(item.Checked());
    });
  Sync(action, item);
}

void QtMenuActions::Update(const TMenuItem& item) {
  if (QAction* action = ActionOf(item)) Sync(*action, item);
}

QAction* QtMenuActions::ActionOf(const TMenuItem& item) const {
  auto it = FActions.find(&item);
  return it == FActions.end() ? nullptr : it->second;
}

void QtMenuActions::Sync(QAction& action, const TMenuItem& item) {
  action.setSeparator(item.IsSeparator());
  // A separator with a text would be drawn as a section heading showing "-".
  action.setText(item.IsSeparator() ? QString() : ToQString(item.Caption()));
  action.setEnabled(item.Enabled());
  action.setVisible(item.Visible());
  // Only a checked item is checkable: an unchecked one shows no empty box or circle.
  action.setCheckable(item.Checked());
  action.setChecked(item.Checked());
  // Qt draws a radio bullet for an action of an exclusive group; each radio item gets a group
  // of its own, since which item is checked is the model's business.
  if (item.RadioItem() && !action.actionGroup()) {
    auto* group = new QActionGroup(&action);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    group->addAction(&action);
  } else if (!item.RadioItem() && action.actionGroup()) {
    action.actionGroup()->removeAction(&action);
  }
}
