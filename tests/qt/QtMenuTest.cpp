#include "QtFixture.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

using QtMenuTest = QtFixture;

QMenu* OpenPopupWidget() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* ActionNamed(QMenu& menu, const QString& text) {
  for (QAction* action : menu.actions())
    if (action->text() == text) return action;
  return nullptr;
}

TEST_F(QtMenuTest, MenuBarShowsTheItemsWithTheirMarks) {
  auto* bar = desktop.WidgetOf(*form)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions()[0]->text(), "&File");
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  QList<QAction*> items = file->actions();
  ASSERT_EQ(items.size(), 4);

  EXPECT_EQ(items[0]->text(), "&Open");
  EXPECT_FALSE(items[0]->isCheckable()) << "an unchecked item shows no empty box";
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_EQ(items[1]->text(), "") << "a separator with a text shows as a heading";
  EXPECT_TRUE(items[2]->isChecked());
  ASSERT_NE(items[2]->actionGroup(), nullptr) << "a radio item shows a bullet";
  EXPECT_TRUE(items[2]->actionGroup()->isExclusive());
  EXPECT_TRUE(items[3]->isChecked());
  EXPECT_EQ(items[3]->actionGroup(), nullptr) << "a plain check mark";
}

TEST_F(QtMenuTest, ItemChangesUpdateTheirActions) {
  QMenu* file = desktop.WidgetOf(*form)->findChild<QMenuBar*>()->actions()[0]->menu();
  QList<QAction*> items = file->actions();
  form->Open1->SetCaption("&Open...");
  form->Open1->SetEnabled(false);
  form->Check1->SetChecked(false);
  form->Radio1->SetRadioItem(false);
  form->N1->SetVisible(false);

  EXPECT_EQ(items[0]->text(), "&Open...");
  EXPECT_FALSE(items[0]->isEnabled());
  EXPECT_FALSE(items[3]->isChecked());
  EXPECT_EQ(items[2]->actionGroup(), nullptr);
  EXPECT_TRUE(items[2]->isChecked());
  EXPECT_FALSE(items[1]->isVisible());
}

TEST_F(QtMenuTest, ChosenItemReachesItsHandlerThroughTheLoopAndKeepsTheModelsMark) {
  form->Show();
  QMenu* file = desktop.WidgetOf(*form)->findChild<QMenuBar*>()->actions()[0]->menu();
  QAction* check = file->actions()[3];
  check->trigger();
  EXPECT_TRUE(form->Chosen.empty());
  EXPECT_TRUE(check->isChecked()) << "Qt does not toggle what the model did not";

  EXPECT_EQ(Drain(), std::vector<std::string>{"menu Check1"});
  EXPECT_EQ(form->Chosen, std::vector<std::string>{"Check1"});
}

TEST_F(QtMenuTest, PopupChoiceIsReportedAndNotAlsoADismissal) {
  form->Show();
  form->PopupMenu1->Popup(40, 50);
  QMenu* menu = OpenPopupWidget();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->pos(), QPoint(40, 50));
  QAction* beta = ActionNamed(*menu, "Beta");
  ASSERT_NE(beta, nullptr);
  // Qt hides the menu before it triggers the action.
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(beta).center());
  EXPECT_FALSE(menu->isVisible());

  EXPECT_EQ(Drain(), std::vector<std::string>{"menu Beta1"});
  EXPECT_EQ(form->Chosen, std::vector<std::string>{"Beta1"});
  EXPECT_FALSE(form->PopupMenu1->IsOpen());
}

TEST_F(QtMenuTest, PopupDismissedByTheUserIsReportedOnce) {
  form->Show();
  form->PopupMenu1->Popup(40, 50);
  QMenu* menu = OpenPopupWidget();
  ASSERT_NE(menu, nullptr);
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_FALSE(menu->isVisible());

  EXPECT_EQ(Drain(), std::vector<std::string>{"dismissed PopupMenu1"});
  EXPECT_FALSE(form->PopupMenu1->IsOpen());
  EXPECT_TRUE(form->Chosen.empty());
}

TEST_F(QtMenuTest, PopupClosedByTheProgramReportsNothing) {
  form->Show();
  desktop.OpenPopup(*form->PopupMenu1, 40, 50);
  QMenu* menu = OpenPopupWidget();
  ASSERT_NE(menu, nullptr);
  desktop.ClosePopup(*form->PopupMenu1);
  desktop.ClosePopup(*form->PopupMenu1);
  EXPECT_EQ(OpenPopupWidget(), nullptr);
  EXPECT_EQ(Drain(), std::vector<std::string>{});
}

TEST_F(QtMenuTest, OpenPopupFollowsItsItems) {
  form->Show();
  form->PopupMenu1->Popup(40, 50);
  QMenu* menu = OpenPopupWidget();
  ASSERT_NE(menu, nullptr);
  form->Alpha1->SetCaption("Sys:42%");
  form->Beta1->SetEnabled(false);
  EXPECT_NE(ActionNamed(*menu, "Sys:42%"), nullptr);
  EXPECT_FALSE(ActionNamed(*menu, "Beta")->isEnabled());
  desktop.ClosePopup(*form->PopupMenu1);
}

} // namespace
