#include "shell/Main.h"

// The main window as designed: places, sizes, captions and fonts.

TMainForm* MainForm = nullptr;

namespace {

TFont CaptionFont() {
  TFont font;
  font.Height = 20;
  font.Bold = true;
  return font;
}

TLabel* MakeLabel(TMainForm* form, const char* name, int left, int top, int width,
                  const char* caption) {
  auto* label = new TLabel(form);
  label->SetName(name);
  label->SetParent(form);
  label->SetBounds(left, top, width, 20);
  label->SetFont(CaptionFont());
  label->SetCaption(caption);
  return label;
}

TGauge* MakeGauge(TMainForm* form, const char* name, int top, TColor color) {
  auto* gauge = new TGauge(form);
  gauge->SetName(name);
  gauge->SetParent(form);
  gauge->SetBounds(10, top, 289, 17);
  gauge->SetForeColor(color);
  gauge->SetProgress(50);
  return gauge;
}

TProgressBar* MakeProgressBar(TMainForm* form, const char* name, int top) {
  auto* bar = new TProgressBar(form);
  bar->SetName(name);
  bar->SetParent(form);
  bar->SetBounds(8, top, 289, 16);
  bar->SetRange(0, 100);
  bar->SetVisible(false);
  return bar;
}

TTimer* MakeTimer(TMainForm* form, const char* name) {
  auto* timer = new TTimer(form);
  timer->SetName(name);
  return timer;
}

} // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
  SetName("MainForm");
  SetCaption("Velmora Ver0.11");
  SetBorderStyle(TBorderStyle::bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize | biHelp);
  TFont font;
  font.Height = 12;
  SetFont(font);
  SetBounds(318, 168, 310, 162);
  DesignVisible = true;

  Label1 = MakeLabel(this, "Label1", 0, 0, 199, "システムリソース残り：");
  sys = MakeLabel(this, "sys", 200, 0, 32, "sys");
  Gauge1 = MakeGauge(this, "Gauge1", 24, clBlue);
  ProgressBar1 = MakeProgressBar(this, "ProgressBar1", 24);
  Label6 = MakeLabel(this, "Label6", 0, 48, 156, "GDIリソース残り：");
  GDI = MakeLabel(this, "GDI", 156, 48, 36, "GDI");
  Gauge2 = MakeGauge(this, "Gauge2", 72, clLime);
  ProgressBar2 = MakeProgressBar(this, "ProgressBar2", 72);
  Label5 = MakeLabel(this, "Label5", 0, 96, 174, "USERリソース残り：");
  USER = MakeLabel(this, "USER", 176, 96, 54, "USER");
  Gauge3 = MakeGauge(this, "Gauge3", 120, clRed);
  ProgressBar3 = MakeProgressBar(this, "ProgressBar3", 120);

  Button1 = new TButton(this);
  Button1->SetName("Button1");
  Button1->SetParent(this);
  Button1->SetBounds(232, 112, 75, 25);
  Button1->SetCaption("Button1");
  Button1->SetVisible(false);
  Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };

  Timer1 = MakeTimer(this, "Timer1");
  Timer1->SetInterval(100);
  Timer1->SetOnTimer([this](TObject* sender) { Button1Click(sender); });
  Timer2 = MakeTimer(this, "Timer2");
  Timer2->SetInterval(100000);
  Timer2->SetOnTimer([this](TObject* sender) { Timer2Timer(sender); });
  Timer3 = MakeTimer(this, "Timer3");
  Timer3->SetOnTimer([this](TObject* sender) { Timer3Timer(sender); });

  CreateMenus();

  TrayIcon1 = new TTrayIcon(this);
  TrayIcon1->SetName("TrayIcon1");
  TrayIcon1->SetHint("Velmora");
  TrayIcon1->SetPopupMenu(PopupMenu1);
  // The click handlers are crossed in the design: the icon runs K1Click, the item K1 runs
  // TrayIcon1Click. Both restore the program.
  TrayIcon1->OnClick = [this](TObject* sender) { K1Click(sender); };

  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}
