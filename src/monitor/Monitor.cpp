#include "monitor/Monitor.h"

#include "monitor/FreeRes.h"
#include "shell/Main.h"

#include <string>

// The monitor tick: read the three percentages, show them in four places, then warn on the
// system reading at 50, 30 and 10 percent.

TResourceSample ResourceSample;
TWarningState WarningState;

namespace {

constexpr const char* WarningCaption = "Velmora:警告";
constexpr const char* NoticeCaption = "Velmora:情報";
constexpr unsigned WarningFlags = MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL;
constexpr unsigned NoticeFlags = MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL;

// Warning boxes open now. A tick that runs nested inside an open warning box keeps the display
// current but leaves its warning checks to the first tick after the box is closed: so at most
// one warning box is up at a time, and a reading that hovers at a threshold cannot stack them.
int WarningBoxesOpen = 0;

void ShowWarning(bool& armed, const char* text, const char* caption, unsigned flags) {
  WarningState.AllowWarnings = false;
  armed = false;
  ++WarningBoxesOpen;
  struct Closed {
    ~Closed() { --WarningBoxesOpen; }
  } closed;
  Application->MessageBox(text, caption, flags);
}

std::string Percent(std::int32_t value) {
  return std::to_string(value) + "%";
}

} // namespace

void ResetMonitorState() {
  ResourceSample = TResourceSample();
  WarningState = TWarningState();
  WarningBoxesOpen = 0;
}

void ResetWarningState() {
  WarningState.Level30 = false;
  WarningState.Level10 = false;
  WarningState.Armed50 = true;
  WarningState.Armed30 = true;
  WarningState.Armed10 = true;
}

void TMainForm::TakeSample() {
  // Each field is stored as soon as its reading returns: a failing later reading leaves the
  // earlier ones new.
  ResourceSample.SysFree = FreeResourcePercent(0);
  ResourceSample.GdiFree = FreeResourcePercent(1);
  ResourceSample.UserFree = FreeResourcePercent(2);
}

void TMainForm::ShowSample() {
  const TResourceSample& s = ResourceSample;
  if (PColor() == 5) {
    ProgressBar1->SetPosition(s.SysFree);
    ProgressBar2->SetPosition(s.GdiFree);
    ProgressBar3->SetPosition(s.UserFree);
  } else {
    Gauge1->SetProgress(s.SysFree);
    Gauge2->SetProgress(s.GdiFree);
    Gauge3->SetProgress(s.UserFree);
  }
  sys->SetCaption(Percent(s.SysFree));
  GDI->SetCaption(Percent(s.GdiFree));
  USER->SetCaption(Percent(s.UserFree));
}

void TMainForm::Button1Click(TObject*) {
  TakeSample();
  ShowSample();
  const TResourceSample& s = ResourceSample;
  sys1->SetCaption("システムリソース残り " + Percent(s.SysFree));
  GDI1->SetCaption("GDIリソース残り " + Percent(s.GdiFree));
  USER1->SetCaption("USERリソース残り " + Percent(s.UserFree));
  TrayIcon1->SetHint("Sys:" + Percent(s.SysFree) + " GDI:" + Percent(s.GdiFree) +
                     " USER:" + Percent(s.UserFree));

  TWarningState& w = WarningState;
  if (s.SysFree <= 50) {
    w.Level30 = false;
    w.Level10 = false;
    if (s.SysFree <= 30) w.Level30 = true;
    if (s.SysFree <= 10) {
      w.Level30 = false;
      w.Level10 = true;
    }
    // AllowWarnings is tested once: the boxes of one tick follow each other.
    if (w.AllowWarnings && WarningBoxesOpen == 0) {
      if (w.Level10 && w.Armed10)
        ShowWarning(w.Armed10,
                    "システムリソース残りが10%を割りました。このままでは非常に危険です。",
                    WarningCaption, WarningFlags);
      if (w.Level30 && w.Armed30)
        ShowWarning(w.Armed30,
                    "システムリソース残りが30%を割りました。"
                    "念のため実行中のアプリケーションを減らしましょう。",
                    WarningCaption, WarningFlags);
      if (w.Armed50)
        ShowWarning(w.Armed50, "システムリソース残りが50%を割りました。", NoticeCaption,
                    NoticeFlags);
    }
  }
  // Re-arm on the reading as it is now, after any box was closed.
  if (ResourceSample.SysFree >= 50) w.Armed50 = true;
  if (ResourceSample.SysFree >= 30) w.Armed30 = true;
  if (ResourceSample.SysFree >= 10) w.Armed10 = true;
  if (Serch() == 1) w.AllowWarnings = true;
}

void TMainForm::Timer2Timer(TObject*) {
  WarningState.AllowWarnings = true;
}
