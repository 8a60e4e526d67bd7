#pragma once

#include "settings/IniFile.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Gauge.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/TrayIcon.h"

#include <cstdint>
#include <memory>
#include <string>

// The main window: three readings as bars and captions, the tray icon with its menu, the menu
// bar, and the three timers that drive the program.
class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* owner);

  TLabel* Label1;
  TLabel* sys;
  TGauge* Gauge1;
  TProgressBar* ProgressBar1;
  TLabel* Label6;
  TLabel* GDI;
  TGauge* Gauge2;
  TProgressBar* ProgressBar2;
  TLabel* Label5;
  TLabel* USER;
  TGauge* Gauge3;
  TProgressBar* ProgressBar3;
  TButton* Button1;
  TTimer* Timer1;
  TTimer* Timer2;
  TTimer* Timer3;
  TTrayIcon* TrayIcon1;

  TMainMenu* MainMenu1;
  TMenuItem* KF1;
  TMenuItem* Exit2;
  TMenuItem* K4;
  TMenuItem* K5;
  TMenuItem* K6;
  TMenuItem* K2;
  TMenuItem* KS1;
  TMenuItem* KWindowsW1;
  TMenuItem* KH1;
  TMenuItem* Contents1;
  TMenuItem* KA1;

  TPopupMenu* PopupMenu1;
  TMenuItem* sys1;
  TMenuItem* GDI1;
  TMenuItem* USER1;
  TMenuItem* N2;
  TMenuItem* K3;
  TMenuItem* KWindowsW2;
  TMenuItem* N3;
  TMenuItem* KA2;
  TMenuItem* N1;
  TMenuItem* K1;
  TMenuItem* Exit1;

  // Start-up and close.
  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void Timer3Timer(TObject* sender);

  // The monitor tick and the warnings' re-allow.
  void Button1Click(TObject* sender);
  void Timer2Timer(TObject* sender);

  // Tray icon and menu commands.
  void K1Click(TObject* sender);
  void TrayIcon1Click(TObject* sender);
  void Exit1Click(TObject* sender);
  void Exit2Click(TObject* sender);
  void K5Click(TObject* sender);
  void K6Click(TObject* sender);
  void KA1Click(TObject* sender);
  void Contents1Click(TObject* sender);
  void KS1Click(TObject* sender);
  void KWindowsW1Click(TObject* sender);

  // Display scheme and screen corner, from PColor and Align.
  void ApplyScheme();
  void ApplyCorner();

  // The settings live in the window's own properties.
  std::int32_t PColor() const { return Label1->Tag(); }
  std::int32_t Serch() const { return Label6->Tag(); }
  std::int32_t Align() const { return Label5->Tag(); }
  bool Front() const { return FormStyle() == TFormStyle::fsStayOnTop; }
  // Switches always on top: the K5 mark and the window style together.
  void SetFront(bool front);

  // Reads the settings file into the window; saves the window's settings into it.
  void LoadSettings();
  void SaveSettings();

  // Reads the three percentages into the sample, then shows them on the bars and captions.
  void TakeSample();
  void ShowSample();

private:
  void CreateMenus();

  // Start-up state: the first argument, the settings file from load to save, Front as read,
  // and whether "/m" asked for the tray.
  std::string StartArgument;
  std::unique_ptr<TIniFile> SettingsFile;
  bool FrontAtStart = false;
  bool StartMinimised = false;
  // The settings that were loaded or set during this run. A start-up cut short by a bad "Time"
  // never loads the later keys; saving leaves those in the file as they are.
  enum SettingBit : unsigned { sbFront = 1, sbPColor = 2, sbTime = 4, sbSerch = 8, sbAlign = 16 };
  unsigned SettingsInForce = 0;

public:
  // Marks settings as set during the run (the settings dialog sets all of them).
  void SettingsChanged(unsigned bits = 31) { SettingsInForce |= bits; }
};

extern TMainForm* MainForm;
