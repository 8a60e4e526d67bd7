#include "UiFixture.h"

using ::testing::ElementsAre;

namespace {

const std::string CannotShowModal = "表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません";

class ModalTest : public UiTest {
protected:
  void SetUp() override {
    main = MakeForm("MainForm");
    dialog = MakeForm("Dialog", false);
    TakeTrace();
  }
  TTestForm* main = nullptr;
  TTestForm* dialog = nullptr;
};

TEST_F(ModalTest, AModalWindowDisablesTheOthersDropsTheirInputAndTimersGoOn) {
  int mainClicks = 0, ticks = 0;
  main->Button1->OnClick = [&](TObject*) { ++mainClicks; };
  main->Timer1->SetInterval(100);
  main->Timer1->SetOnTimer([&](TObject*) { ++ticks; });
  dialog->Button1->SetModalResult(mrOk);
  Wait(250);
  Step([this](HeadlessDesktop& d) {
    EXPECT_FALSE(main->Enabled());
    EXPECT_TRUE(dialog->Enabled());
    d.UserClick(*main->Button1, "click MainForm.Button1");
  });
  Click(*dialog->Button1, "click Dialog.Button1");

  EXPECT_EQ(dialog->ShowModal(), mrOk);

  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(mainClicks, 0);
  EXPECT_TRUE(main->Enabled());
  EXPECT_FALSE(dialog->Visible());
  EXPECT_THAT(TakeTrace(), ElementsAre("0 show Dialog modal", "250 dropped click MainForm.Button1",
                                       "250 hide Dialog"));
}

TEST_F(ModalTest, ShowModalReturnsTheResultOfWhatEndedIt) {
  struct Case {
    const char* name;
    std::function<void(TTestForm& dialog)> design;
    std::function<void(HeadlessDesktop& d, TTestForm& dialog)> input;
    TModalResult expected;
  };
  const Case cases[] = {
      {"a button with a modal result", [](TTestForm& f) { f.Button1->SetModalResult(mrOk); },
       [](HeadlessDesktop& d, TTestForm& f) { d.UserClick(*f.Button1, "click"); }, mrOk},
      {"the close box", nullptr,
       [](HeadlessDesktop& d, TTestForm& f) { d.UserClose(f, "close Dialog"); }, mrCancel},
      {"a handler calling Close",
       [](TTestForm& f) { f.Button1->OnClick = [&f](TObject*) { f.Close(); }; },
       [](HeadlessDesktop& d, TTestForm& f) { d.UserClick(*f.Button1, "click"); }, mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestForm* form = MakeForm(c.name, false, c.design);
    Step([&](HeadlessDesktop& d) { c.input(d, *form); });
    EXPECT_EQ(form->ShowModal(), c.expected);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
    EXPECT_TRUE(main->Enabled());
  }
}

TEST_F(ModalTest, ShowingAShownWindowModalRaises) {
  try {
    main->ShowModal();
    ADD_FAILURE() << "ShowModal on a shown window returned";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), CannotShowModal);
  }
  EXPECT_TRUE(main->Visible());
  EXPECT_TRUE(main->Enabled());
  EXPECT_FALSE(main->Modal());
}

TEST_F(ModalTest, ShowingAShownWindowModalFromAHandlerGivesTheErrorBoxAndItStaysOpen) {
  dialog->Show();
  main->Button1->OnClick = [this](TObject*) { dialog->ShowModal(); };
  TakeTrace();
  Click(*main->Button1, "click MainForm.Button1");
  Ok();
  Pump();
  EXPECT_THAT(TakeTrace(), ElementsAre(ErrorBox(0, CannotShowModal + "."), "0 box closed"));
  EXPECT_TRUE(dialog->Visible());
  EXPECT_TRUE(dialog->Enabled());
  EXPECT_FALSE(dialog->Modal());
  EXPECT_TRUE(main->Enabled());
}

TEST_F(ModalTest, AModalWindowAskedToShowModalAgainStaysModalAfterTheErrorBox) {
  dialog->Button1->OnClick = [this](TObject*) { dialog->ShowModal(); };
  Click(*dialog->Button1, "click Dialog.Button1");
  Ok();
  Step([this](HeadlessDesktop& d) {
    EXPECT_TRUE(dialog->Visible());
    EXPECT_TRUE(dialog->Enabled());
    EXPECT_FALSE(main->Enabled());
    d.UserClose(*dialog, "close Dialog");
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_THAT(TakeTrace(), ElementsAre("0 show Dialog modal", ErrorBox(0, CannotShowModal + "."),
                                       "0 box closed", "0 hide Dialog"));
}

} // namespace
