#include "script/ScenarioDriver.h"

#include "script/PropertyPaths.h"
#include "shell/Program.h"
#include "system/FileProfile.h"
#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>
#include <cctype>
#include <charconv>

ScenarioDriver::ScenarioDriver(std::vector<ScenarioLine> lines, std::ostream& out,
                               std::ostream& err)
    : FLines(std::move(lines)), FOut(out), FErr(err), FDesktop(&out) {}

void ScenarioDriver::Error(const ScenarioLine& line, const std::string& message) {
  throw ScenarioError{"line " + std::to_string(line.number) + ": " + message};
}

void ScenarioDriver::NeedWords(const ScenarioLine& line, std::size_t count) {
  if (line.words.size() != count)
    Error(line, "'" + line.words[0] + "' takes " + std::to_string(count - 1) + " argument(s)");
}

std::int64_t ScenarioDriver::Number(const ScenarioLine& line, std::size_t index) {
  if (index >= line.words.size()) Error(line, "a number is missing");
  const std::string& word = line.words[index];
  std::int64_t value = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size()) Error(line, "not a number: " + word);
  return value;
}

int ScenarioDriver::Run(const std::vector<std::string>& commandLine) {
  sys::FileProfile profile;
  sys::SetModules16(&FResources);
  sys::SetProfiles(&profile);
  try {
    std::vector<std::string> args = commandLine;
    while (FNext < FLines.size() && !FStarted) {
      const ScenarioLine& line = FLines[FNext++];
      if (line.words[0] == "start") {
        if (line.words.size() > 1) args.assign(line.words.begin() + 1, line.words.end());
        FStarted = true;
      } else if (!ExecuteSetUp(line)) {
        Error(line, "'" + line.words[0] + "' needs a running program: put it after start");
      }
    }
    if (!FStarted) return FExpectFailed ? 3 : 0;

    int code = 0;
    {
      TApplication application(FDesktop);
      FDesktop.SetInput(this);
      code = VelmoraMain(args);
    }
    FDesktop.SetInput(nullptr);
    FDesktop.Trace(FRanOut ? "end" : "exit " + std::to_string(code));
    if (FNext < FLines.size())
      FErr << "line " << FLines[FNext].number << ": the program has ended; the rest is ignored\n";
    if (FExpectFailed) return 3;
    return FRanOut ? 0 : code;
  } catch (const ScenarioError& e) {
    FOut.flush();
    FErr << e.message << '\n';
    return 3;
  }
}

void ScenarioDriver::Next(HeadlessDesktop&) {
  while (FNext < FLines.size()) {
    const ScenarioLine& line = FLines[FNext++];
    if (Execute(line)) return;
  }
  // The scenario ran out while the program still runs: it ends as a session end would.
  FRanOut = true;
  throw SessionEnd();
}

bool ScenarioDriver::Execute(const ScenarioLine& line) {
  if (line.words[0] == "start") Error(line, "the program is already running");
  // The scenario ends here, as if it ran out.
  if (line.words[0] == "exit") {
    NeedWords(line, 1);
    FNext = FLines.size();
    return false;
  }
  if (ExecuteSetUp(line)) return false;
  return ExecuteInput(line);
}

void ScenarioDriver::Expect(const ScenarioLine& line) {
  if (line.words.size() < 3) Error(line, "expect takes a path and a value");
  std::string expected = line.words[2];
  for (std::size_t i = 3; i < line.words.size(); ++i)
    expected += " " + line.words[i];
  std::string actual = PropertyText(line.words[1]);
  auto lower = [](std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
  };
  bool hex = actual.rfind("0x", 0) == 0;
  if (actual == expected || (hex && lower(actual) == lower(expected))) return;
  FExpectFailed = true;
  FOut.flush();
  FErr << "line " << line.number << ": expected " << line.words[1] << " = " << expected << ", got "
       << actual << '\n';
}

// Commands that take no time and give no input: set-up and observation.
bool ScenarioDriver::ExecuteSetUp(const ScenarioLine& line) {
  const auto& w = line.words;
  const std::string& command = w[0];
  if (command == "print") {
    NeedWords(line, 2);
    std::string value = PropertyText(w[1]);
    FOut << w[1] << " = " << value << '\n';
  } else if (command == "expect") {
    Expect(line);
  } else if (command == "screen") {
    NeedWords(line, 3);
    FDesktop.SetScreen(static_cast<int>(Number(line, 1)), static_cast<int>(Number(line, 2)));
  } else if (command == "resources") {
    if (w.size() == 2 && w[1] == "fail-load")
      FResources.FailLoad();
    else if (w.size() == 2 && w[1] == "fail-lookup")
      FResources.FailLookup();
    else if (w.size() == 2 && w[1] == "ok")
      FResources.Heal();
    else {
      NeedWords(line, 4);
      std::uint16_t values[3];
      for (int i = 0; i < 3; ++i) {
        std::int64_t v = Number(line, static_cast<std::size_t>(i) + 1);
        if (v < 0 || v > 65535) Error(line, "a reading lies in 0..65535");
        values[i] = static_cast<std::uint16_t>(v);
      }
      FResources.SetReadings(values[0], values[1], values[2]);
    }
  } else if (command == "tray" && w.size() == 2 && w[1] == "refuse") {
    if (FStarted) Error(line, "'tray refuse' is a set-up command: put it before start");
    FDesktop.RefuseTray(true);
  } else if (command == "machine") {
    if (FStarted) Error(line, "'machine' is a set-up command: put it before start");
    ExecuteMachine(line);
  } else if (command == "registry") {
    if (FStarted) Error(line, "'registry' is a set-up command: put it before start");
    ExecuteRegistry(line);
  } else {
    return false;
  }
  return true;
}

void ScenarioDriver::ExecuteMachine(const ScenarioLine& line) {
  const auto& w = line.words;
  std::string what = w.size() > 1 ? w[1] : "";
  auto unsignedAt = [&](std::size_t i) {
    std::int64_t v = Number(line, i);
    if (v < 0) Error(line, "a machine fact is not negative");
    return static_cast<std::uint64_t>(v);
  };
  if (what == "processor") {
    NeedWords(line, 3);
    FMachine.Processor = static_cast<std::uint32_t>(unsignedAt(2));
  } else if (what == "platform") {
    NeedWords(line, 6);
    FMachine.PlatformId = static_cast<std::uint32_t>(unsignedAt(2));
    FMachine.Major = static_cast<std::uint32_t>(unsignedAt(3));
    FMachine.Minor = static_cast<std::uint32_t>(unsignedAt(4));
    FMachine.Build = static_cast<std::uint32_t>(unsignedAt(5));
    FMachine.VersionQueryFails = false;
  } else if (what == "version-query" && w.size() == 3 && w[2] == "fails") {
    FMachine.VersionQueryFails = true;
  } else if (what == "kernel") {
    NeedWords(line, 4);
    FMachine.KernelName = w[2];
    FMachine.KernelRelease = w[3];
  } else if (what == "memory") {
    NeedWords(line, 3);
    FMachine.Memory = unsignedAt(2);
  } else if (what == "drive-c") {
    NeedWords(line, 3);
    FMachine.DriveC = w[2] != "none";
    if (FMachine.DriveC) FMachine.DriveCBytes = unsignedAt(2);
  } else {
    Error(line, "unknown machine fact: " + what);
  }
}

void ScenarioDriver::ExecuteRegistry(const ScenarioLine& line) {
  const auto& w = line.words;
  if (w.size() == 3 && w[1] == "key" && w[2] == "denied") {
    FMachine.RegistryDenied = true;
    return;
  }
  if (w.size() < 3) Error(line, "registry takes a name, a type and a value");
  const std::string& type = w[2];
  if (type == "sz" || type == "expand-sz") {
    NeedWords(line, 4);
    FMachine.Registry[w[1]] = {type, w[3]};
  } else if (type == "dword") {
    NeedWords(line, 4);
    FMachine.Registry[w[1]] = {type, std::to_string(Number(line, 3))};
  } else if (type == "empty" || type == "missing") {
    NeedWords(line, 3);
    FMachine.Registry[w[1]] = {type, ""};
  } else {
    Error(line, "unknown registry type: " + type);
  }
}

// User input, delivered to whichever loop runs now.
bool ScenarioDriver::ExecuteInput(const ScenarioLine& line) {
  const auto& w = line.words;
  const std::string& command = w[0];
  const std::string& what = line.text;
  HeadlessDesktop& d = FDesktop;
  if (command == "wait") {
    NeedWords(line, 2);
    std::int64_t ms = Number(line, 1);
    if (ms < 0) Error(line, "a wait is not negative");
    d.UserWait(ms);
  } else if (command == "ok") {
    NeedWords(line, 1);
    d.UserOk(what);
  } else if (command == "menu") {
    NeedWords(line, 2);
    d.UserMenu(FindMenuItem(w[1]), what);
  } else if (command == "tray") {
    NeedWords(line, 2);
    if (w[1] == "left")
      d.UserTray(HeadlessDesktop::TrayClick::Left, what);
    else if (w[1] == "right")
      d.UserTray(HeadlessDesktop::TrayClick::Right, what);
    else if (w[1] == "double")
      d.UserTray(HeadlessDesktop::TrayClick::Double, what);
    else
      Error(line, "tray takes left, right or double");
  } else if (command == "minimize") {
    NeedWords(line, 1);
    d.UserMinimize(what);
  } else if (command == "close") {
    NeedWords(line, 2);
    d.UserClose(FindForm(w[1]), what);
  } else if (command == "move") {
    NeedWords(line, 4);
    d.UserMove(FindForm(w[1]), static_cast<int>(Number(line, 2)), static_cast<int>(Number(line, 3)),
               what);
  } else if (command == "taskbar") {
    NeedWords(line, 2);
    if (w[1] == "close")
      d.UserTaskbar(HeadlessDesktop::TaskbarCommand::Close, what);
    else if (w[1] == "minimize")
      d.UserTaskbar(HeadlessDesktop::TaskbarCommand::Minimize, what);
    else if (w[1] == "restore")
      d.UserTaskbar(HeadlessDesktop::TaskbarCommand::Restore, what);
    else
      Error(line, "taskbar takes close, minimize or restore");
  } else if (command == "click") {
    NeedWords(line, 2);
    d.UserClick(FindControl(w[1]), what);
  } else if (command == "end-session") {
    NeedWords(line, 1);
    d.UserEndSession();
  } else {
    Error(line, "unknown command: " + command);
  }
  return true;
}
