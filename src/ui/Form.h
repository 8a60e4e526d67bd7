#pragma once

#include "ui/Control.h"

#include <functional>

class TMainMenu;

// A top-level window. Left, Top, Width and Height are its outer bounds (frame, caption and menu
// bar included); ClientWidth and ClientHeight the area inside.
class TForm : public TControl {
public:
  explicit TForm(TComponent* owner);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);

  int ClientWidth() const { return FWidth; }
  int ClientHeight() const { return FHeight; }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  int Width() const override;
  int Height() const override;
  void SetWidth(int value) override;
  void SetHeight(int value) override;

  // On top of other windows now: always-on-top style, unless the application is minimised.
  bool Topmost() const;

  void Show();
  void Hide();
  // Closes the window: a modal one ends its modal loop with mrCancel; otherwise OnClose decides,
  // and closing the main window ends the application.
  void Close();
  // Shows the window modally and returns its ModalResult once it is set.
  TModalResult ShowModal();
  bool Modal() const { return FModal; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  // The window is where the user put it: the model follows without telling the desktop, so a
  // later move to any other place (a corner re-applied) moves it again.
  void MovedByUser(int left, int top) {
    FLeft = left;
    FTop = top;
  }
  // Brings a shown window to the front.
  void BringToFront();

  // Shown as soon as it is created, as the design says.
  bool DesignVisible = false;

  TNotifyEvent OnCreate;
  std::function<void(TObject* sender, TCloseAction& action)> OnClose;

  // Completes creation: the window gets its peer and OnCreate runs under the exception guard.
  void Loaded();

  std::optional<std::string> GetPropertyText(const std::string& name) const override;

private:
  FrameExtents Frame() const;
  void CenterOnScreen();

  TBorderStyle FBorderStyle = TBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TFormStyle FFormStyle = TFormStyle::fsNormal;
  TPosition FPosition = TPosition::poDesigned;
  TMainMenu* FMenu = nullptr;
  bool FModal = false;
  bool FCentered = false;
  TModalResult FModalResult = mrNone;
};
