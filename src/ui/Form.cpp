#include "ui/Form.h"
#include "ui/Application.h"
#include "ui/Menus.h"

TForm::TForm(TComponent* owner) : TControl(owner) {
  SetVisible(false);
}

void TForm::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  Changed(Change::Style);
}

void TForm::SetBorderIcons(TBorderIcons value) {
  if (value == FBorderIcons) return;
  FBorderIcons = value;
  Changed(Change::Style);
}

void TForm::SetFormStyle(TFormStyle value) {
  if (value == FFormStyle) return;
  FFormStyle = value;
  Changed(Change::Style);
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  FMenu = menu;
  Changed(Change::Menu);
}

FrameExtents TForm::Frame() const {
  return TheDesktop().FrameOf(*this);
}

void TForm::SetClientWidth(int value) {
  TControl::SetBounds(FLeft, FTop, value, FHeight);
}
void TForm::SetClientHeight(int value) {
  TControl::SetBounds(FLeft, FTop, FWidth, value);
}

int TForm::Width() const {
  FrameExtents f = Frame();
  return FWidth + f.left + f.right;
}

int TForm::Height() const {
  FrameExtents f = Frame();
  return FHeight + f.top + f.bottom;
}

void TForm::SetWidth(int value) {
  FrameExtents f = Frame();
  SetClientWidth(value - f.left - f.right);
}

void TForm::SetHeight(int value) {
  FrameExtents f = Frame();
  SetClientHeight(value - f.top - f.bottom);
}

bool TForm::Topmost() const {
  return FFormStyle == TFormStyle::fsStayOnTop && !Application->TopmostsNormalized();
}

void TForm::CenterOnScreen() {
  Desktop& desktop = TheDesktop();
  TControl::SetBounds((desktop.ScreenWidth() - Width()) / 2,
                      (desktop.ScreenHeight() - Height()) / 2, FWidth, FHeight);
}

void TForm::Show() {
  if (FPosition == TPosition::poScreenCenter && !FCentered) {
    FCentered = true;
    CenterOnScreen();
  }
  SetVisible(true);
  BringToFront();
}

void TForm::Hide() {
  SetVisible(false);
}

void TForm::BringToFront() {
  if (Visible()) Changed(Change::Activate);
}

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application->MainForm() == this)
    Application->Terminate();
  else
    Hide();
}

TModalResult TForm::ShowModal() {
  if (Visible() || !Enabled() || FModal)
    throw EInvalidOperation("表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません");
  FModal = true;
  FModalResult = mrNone;
  TApplication::DisabledWindows disabled = Application->DisableTaskWindows();
  auto endModal = [&] {
    Hide();
    Application->EnableTaskWindows(disabled);
    FModal = false;
  };
  Show();
  try {
    do {
      Application->HandleMessage();
      if (Application->Terminated())
        FModalResult = mrCancel;
      else if (FModalResult != mrNone) {
        TCloseAction action = TCloseAction::caHide;
        if (OnClose) OnClose(this, action);
        if (action == TCloseAction::caNone) FModalResult = mrNone;
      }
    } while (FModalResult == mrNone);
  } catch (const SessionEnd&) {
    throw; // the windows simply go away with the process
  } catch (...) {
    endModal();
    throw;
  }
  endModal();
  return FModalResult;
}

void TForm::Loaded() {
  for (TComponent* component : std::vector<TComponent*>(Components()))
    component->Loaded();
  TControl::Loaded();
  CreatePeers();
  if (OnCreate) Application->Guarded([&] { OnCreate(this); });
}

std::optional<std::string> TForm::GetPropertyText(const std::string& name) const {
  if (name == "ClientWidth") return std::to_string(FWidth);
  if (name == "ClientHeight") return std::to_string(FHeight);
  if (name == "FormStyle") return ToString(FFormStyle);
  if (name == "BorderStyle") return ToString(FBorderStyle);
  if (name == "ModalResult") return std::to_string(FModalResult);
  if (name == "Modal") return BoolText(FModal);
  return TControl::GetPropertyText(name);
}
