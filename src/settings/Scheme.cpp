#include "shell/Main.h"

#include "ui/Checked.h"

// Display schemes and screen corners of the main window.

namespace {

// The gauges' colours of the schemes 0 to 4, for system, GDI and USER.
constexpr TColor SchemeColors[5][3] = {
    {clBlue, clLime, clRed},        {0xE97D54, 0x80FF80, 0xFF80FF}, {clBlue, clBlue, clBlue},
    {clMaroon, clMaroon, clMaroon}, {clGray, clGray, clGray},
};

} // namespace

void TMainForm::ApplyScheme() {
  const std::int32_t scheme = PColor();
  if (scheme < 0 || scheme > 5) return;
  TGauge* gauges[] = {Gauge1, Gauge2, Gauge3};
  TProgressBar* bars[] = {ProgressBar1, ProgressBar2, ProgressBar3};
  const bool progressBars = scheme == 5;
  for (TGauge* gauge : gauges)
    gauge->SetVisible(!progressBars);
  for (TProgressBar* bar : bars)
    bar->SetVisible(progressBars);
  if (progressBars) return;
  for (int row = 0; row < 3; ++row)
    gauges[row]->SetForeColor(SchemeColors[scheme][row]);
}

void TMainForm::ApplyCorner() {
  const std::int32_t corner = Align();
  if (corner < 0 || corner > 3) return;
  const bool right = corner >= 2;
  const bool bottom = corner == 1 || corner == 3;
  SetLeft(right ? CheckedSub(GetSystemMetrics(SM_CXSCREEN), Width()) : 0);
  SetTop(bottom ? CheckedSub(GetSystemMetrics(SM_CYSCREEN), Height()) : 0);
}
