// The velmora executable: the program with real windows, through the Qt desktop.

#include "qt/QtDesktop.h"
#include "shell/Program.h"
#include "system/FileProfile.h"
#include "system/Module16.h"
#include "system/Profile.h"
#include "system/ResourceModules.h"
#include "ui/Application.h"

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  // Qt takes its own options (-display, -platform, ...) out of the command line first.
  QApplication qtApplication(argc, argv);
  std::vector<std::string> args(argv + 1, argv + argc);

  QtDesktop desktop;
  std::unique_ptr<sys::Module16> modules = sys::MakeResourceModule();
  sys::SetModules16(modules.get());
  sys::FileProfile profiles;
  sys::SetProfiles(&profiles);

  int code;
  {
    // Destroying the application destroys its windows and removes the tray icon, also after
    // the session ended.
    TApplication application(desktop);
    code = VelmoraMain(args);
  }
  sys::SetProfiles(nullptr);
  sys::SetModules16(nullptr);
  return code;
}
