#include "UiFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The program's windows are reached through global references, as these are.
TTestForm* Form1 = nullptr;
TTestForm* Form2 = nullptr;

namespace {

class ApplicationTest : public UiTest {
protected:
  ~ApplicationTest() override { Form1 = Form2 = nullptr; }
};

TEST_F(ApplicationTest, CreateFormSetsTheReferenceBeforeOnCreateAndTheFirstFormIsMain) {
  std::vector<bool> referenceSet;
  TTestForm::Design = [&](TTestForm& f) {
    f.OnCreate = [&](TObject* sender) { referenceSet.push_back(Form1 == sender); };
  };
  app.CreateForm(Form1);
  TTestForm::Design = [&](TTestForm& f) {
    f.OnCreate = [&](TObject* sender) { referenceSet.push_back(Form2 == sender); };
  };
  app.CreateForm(Form2);
  EXPECT_THAT(referenceSet, ElementsAre(true, true));
  EXPECT_EQ(app.MainForm(), Form1);
  EXPECT_THAT(app.Forms(), ElementsAre(Form1, Form2));
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsRunButClosingAnotherOnlyHidesIt) {
  TTestForm* main = MakeForm("MainForm");
  TTestForm* other = MakeForm("Other");
  TakeTrace();
  Wait(100);
  Step([other](HeadlessDesktop& d) { d.UserClose(*other, "close Other"); });
  Step([main](HeadlessDesktop& d) { d.UserClose(*main, "close MainForm"); });
  Wait(100); // never reached: the loop has ended

  EXPECT_EQ(app.Run(), 0);

  EXPECT_FALSE(input.Empty());
  EXPECT_FALSE(app.SessionEnded());
  EXPECT_THAT(TakeTrace(), ElementsAre("100 hide Other"));
}

TEST_F(ApplicationTest, AFailureInOnCreateShowsTheErrorBoxAndTheFormIsStillCreatedAndShown) {
  bool afterFailure = false;
  TTestForm::Design = [&](TTestForm& f) {
    f.SetName("MainForm");
    f.DesignVisible = true;
    f.OnCreate = [&](TObject*) {
      throw Exception("No settings");
      afterFailure = true;
    };
  };
  Ok();
  app.CreateForm(Form1);
  ASSERT_NE(Form1, nullptr);
  EXPECT_FALSE(afterFailure);
  EXPECT_EQ(app.MainForm(), Form1);
  EXPECT_TRUE(Form1->Visible());
  EXPECT_THAT(TakeTrace(), ElementsAre(ErrorBox(0, "No settings."), "0 box closed",
                                       "0 show MainForm", "0 taskbar show"));
}

TEST_F(ApplicationTest, ATrayIconTheDesktopRefusesFailsTheCreationOfItsForm) {
  desktop.RefuseTray(true);
  TTestForm::Design = [](TTestForm& f) { new TTrayIcon(&f); };
  try {
    app.CreateForm(Form1);
    ADD_FAILURE() << "CreateForm returned";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Cannot create shell notification icon");
  }
  EXPECT_EQ(Form1, nullptr);
  EXPECT_THAT(app.Forms(), IsEmpty());
  EXPECT_EQ(app.MainForm(), nullptr);
  EXPECT_FALSE(desktop.TrayPresent());
}

class MinimizeTest : public UiTest {
protected:
  void SetUp() override {
    main = MakeForm("MainForm", true, [](TTestForm& f) { new TTrayIcon(&f); });
    tool = MakeForm("Tool", true, [](TTestForm& f) { f.SetFormStyle(TFormStyle::fsStayOnTop); });
    hidden = MakeForm("Hidden", false);
    TakeTrace();
  }
  TTestForm* main = nullptr;
  TTestForm* tool = nullptr;
  TTestForm* hidden = nullptr;
};

TEST_F(MinimizeTest, MinimizeHidesTheShownFormsAndTheTaskbarEntryAndRestoreBringsExactlyThemBack) {
  app.Minimize();
  EXPECT_THAT(TakeTrace(), ElementsAre("0 hide MainForm", "0 hide Tool", "0 taskbar hide"));
  EXPECT_TRUE(app.Minimized());
  EXPECT_EQ(tool->FormStyle(), TFormStyle::fsStayOnTop);
  EXPECT_FALSE(tool->Topmost());

  app.Restore();
  EXPECT_THAT(TakeTrace(), ElementsAre("0 show MainForm", "0 show Tool", "0 taskbar show"));
  EXPECT_FALSE(app.Minimized());
  EXPECT_FALSE(hidden->Visible());
  EXPECT_EQ(tool->FormStyle(), TFormStyle::fsStayOnTop);
  EXPECT_TRUE(tool->Topmost());
}

TEST_F(MinimizeTest, RestoreWhenNotMinimisedDoesNothing) {
  const auto expectRestoreDoesNothing = [this] {
    TakeTrace();
    int before = desktop.ChangeCount();
    app.Restore();
    EXPECT_THAT(TakeTrace(), IsEmpty());
    EXPECT_EQ(desktop.ChangeCount(), before);
    EXPECT_TRUE(desktop.TaskbarShown());
  };
  expectRestoreDoesNothing();
  app.Minimize();
  app.Restore();
  expectRestoreDoesNothing();
}

TEST_F(MinimizeTest, TheUsersMinimiseBoxMinimisesTheApplication) {
  Step([](HeadlessDesktop& d) { d.UserMinimize(); });
  Pump();
  EXPECT_TRUE(app.Minimized());
  EXPECT_FALSE(main->Visible());
  EXPECT_FALSE(desktop.TaskbarShown());
}

} // namespace
