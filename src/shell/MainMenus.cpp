#include "shell/Main.h"

#include "about/help.h"
#include "about/info.h"
#include "settings/SetForm.h"
#include "sysinfo/About.h"

// Both menus of the main window as designed, and the commands behind them.

namespace {

TMenuItem* MakeItem(TMainForm* form, TMenuItem& parent, const char* name, const char* caption,
                    void (TMainForm::*handler)(TObject*) = nullptr) {
  auto* item = new TMenuItem(form);
  item->SetName(name);
  item->SetCaption(caption);
  if (handler) item->OnClick = [form, handler](TObject* sender) { (form->*handler)(sender); };
  parent.Add(item);
  return item;
}

} // namespace

void TMainForm::CreateMenus() {
  MainMenu1 = new TMainMenu(this);
  MainMenu1->SetName("MainMenu1");
  TMenuItem& bar = MainMenu1->Items();
  KF1 = MakeItem(this, bar, "KF1", "ファイル (&F)");
  Exit2 = MakeItem(this, *KF1, "Exit2", "終了 (&E)", &TMainForm::Exit2Click);
  K4 = MakeItem(this, bar, "K4", "設定 (&E)");
  K5 = MakeItem(this, *K4, "K5", "常に手前に表示 (&T)", &TMainForm::K5Click);
  K5->SetRadioItem(true);
  K6 = MakeItem(this, *K4, "K6", "環境設定 (&E)...", &TMainForm::K6Click);
  K2 = MakeItem(this, bar, "K2", "ほかの情報 (&O)");
  KS1 = MakeItem(this, *K2, "KS1", "ハード情報 (&S)...", &TMainForm::KS1Click);
  KWindowsW1 =
      MakeItem(this, *K2, "KWindowsW1", "Windows情報 (&W)...", &TMainForm::KWindowsW1Click);
  KH1 = MakeItem(this, bar, "KH1", "ヘルプ (&H)");
  Contents1 = MakeItem(this, *KH1, "Contents1", "目次 (&I)...", &TMainForm::Contents1Click);
  KA1 = MakeItem(this, *KH1, "KA1", "このプログラムについて (&A)...", &TMainForm::KA1Click);
  SetMenu(MainMenu1);

  PopupMenu1 = new TPopupMenu(this);
  PopupMenu1->SetName("PopupMenu1");
  TMenuItem& popup = PopupMenu1->Items();
  sys1 = MakeItem(this, popup, "sys1", "sys");
  GDI1 = MakeItem(this, popup, "GDI1", "GDI");
  USER1 = MakeItem(this, popup, "USER1", "USER");
  N2 = MakeItem(this, popup, "N2", "-");
  K3 = MakeItem(this, popup, "K3", "ハード情報 (&H)", &TMainForm::KS1Click);
  KWindowsW2 = MakeItem(this, popup, "KWindowsW2", "Windows情報 (&W)", &TMainForm::KWindowsW1Click);
  N3 = MakeItem(this, popup, "N3", "-");
  KA2 = MakeItem(this, popup, "KA2", "このプログラムについて (&A)", &TMainForm::KA1Click);
  N1 = MakeItem(this, popup, "N1", "-");
  K1 = MakeItem(this, popup, "K1", "元の大きさに戻す (&R)", &TMainForm::TrayIcon1Click);
  Exit1 = MakeItem(this, popup, "Exit1", "終了 (&E)", &TMainForm::Exit1Click);
}

void TMainForm::K1Click(TObject*) {
  Application->Restore();
}

void TMainForm::TrayIcon1Click(TObject*) {
  Application->Restore();
}

void TMainForm::Exit1Click(TObject*) {
  Close();
}

void TMainForm::Exit2Click(TObject*) {
  Close();
}

void TMainForm::K5Click(TObject*) {
  SetFront(!K5->Checked());
}

void TMainForm::SetFront(bool front) {
  // The mark first, then the style, so that the two always agree afterwards.
  K5->SetChecked(front);
  SetFormStyle(front ? TFormStyle::fsStayOnTop : TFormStyle::fsNormal);
  // Set during the run, so the close writes it even after a start-up that never loaded it.
  SettingsInForce |= sbFront;
}

void TMainForm::K6Click(TObject*) {
  SetDialog->ShowModal();
}

void TMainForm::KA1Click(TObject*) {
  Form2->ShowModal();
}

void TMainForm::Contents1Click(TObject*) {
  Form4->Show();
}

void TMainForm::KS1Click(TObject*) {
  Form3->Show();
}

void TMainForm::KWindowsW1Click(TObject*) {
  Form3->Show();
}
