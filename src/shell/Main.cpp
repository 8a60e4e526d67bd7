#include "shell/Main.h"

#include "monitor/Monitor.h"
#include "system/Environment.h"
#include "ui/Checked.h"

// Start-up, the one-shot tray step and the close path of the main window.

void TMainForm::FormCreate(TObject*) {
  StartArgument = sys::ParamStr(1);
  LoadSettings();
  ApplyScheme();
  StartMinimised = false;
  // Bottom-right first, whatever corner comes later, so the window never shows at its
  // designed place.
  SetLeft(CheckedSub(GetSystemMetrics(SM_CXSCREEN), Width()));
  SetTop(CheckedSub(GetSystemMetrics(SM_CYSCREEN), Height()));
  TakeSample();
  ShowSample();
  ResetWarningState();
  ApplyScheme();
  ApplyCorner();
  if (StartArgument == "/m") StartMinimised = true;
}

void TMainForm::Timer3Timer(TObject*) {
  if (StartMinimised) Application->Minimize();
  Timer3->SetEnabled(false);
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
  SaveSettings();
}
