#include "shell/Program.h"

#include "about/help.h"
#include "about/info.h"
#include "monitor/Monitor.h"
#include "settings/SetForm.h"
#include "shell/Main.h"
#include "sysinfo/About.h"
#include "system/Environment.h"
#include "ui/Application.h"

int VelmoraMain(const std::vector<std::string>& args) {
  sys::SetCommandLine(args);
  ResetMonitorState();
  try {
    Application->Initialize();
    Application->SetTitle("Velmora");
    Application->CreateForm(MainForm);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(SetDialog);
    return Application->Run();
  } catch (const SessionEnd&) {
    return 0;
  } catch (const Exception& e) {
    // A failure that escaped start-up: the run-time library's report, then exit code 1.
    try {
      ShowRunTimeError(e.Message());
    } catch (const SessionEnd&) {
    }
    return 1;
  }
}
