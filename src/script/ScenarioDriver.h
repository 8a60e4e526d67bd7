#pragma once

#include "headless/HeadlessDesktop.h"
#include "script/ScenarioText.h"
#include "script/ScriptModule.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// The facts of the machine a scenario describes; the driver never reads the real machine.
struct MachineFacts {
  std::uint32_t Processor = 586;
  std::uint32_t PlatformId = 2, Major = 0, Minor = 0, Build = 0;
  bool VersionQueryFails = true;
  std::string KernelName = "Linux", KernelRelease = "6.1.0";
  std::uint64_t Memory = 2147483648ULL;
  bool DriveC = true;
  std::uint64_t DriveCBytes = 21474836480ULL;
  struct RegistryValue {
    std::string type; // sz, expand-sz, dword, empty, missing
    std::string value;
  };
  std::map<std::string, RegistryValue> Registry;
  bool RegistryDenied = false;
};

// Runs the real program on the headless desktop, driven by a scenario, and prints the trace.
class ScenarioDriver : public HeadlessInput {
public:
  ScenarioDriver(std::vector<ScenarioLine> lines, std::ostream& out, std::ostream& err);

  // Runs the scenario; returns the exit status (the program's exit code, or 3 when an expect
  // failed or the scenario has an error).
  int Run(const std::vector<std::string>& commandLine);

  void Next(HeadlessDesktop& desktop) override;

  const MachineFacts& Machine() const { return FMachine; }

private:
  // Executes one command; true when it gave the program an input (or a wait).
  bool Execute(const ScenarioLine& line);
  bool ExecuteSetUp(const ScenarioLine& line);
  void ExecuteMachine(const ScenarioLine& line);
  void ExecuteRegistry(const ScenarioLine& line);
  bool ExecuteInput(const ScenarioLine& line);
  [[noreturn]] void Error(const ScenarioLine& line, const std::string& message);
  void Expect(const ScenarioLine& line);
  std::int64_t Number(const ScenarioLine& line, std::size_t index);
  void NeedWords(const ScenarioLine& line, std::size_t count);

  std::vector<ScenarioLine> FLines;
  std::size_t FNext = 0;
  std::ostream& FOut;
  std::ostream& FErr;
  HeadlessDesktop FDesktop;
  ScriptModule FResources;
  MachineFacts FMachine;
  bool FStarted = false;
  bool FRanOut = false;
  bool FExpectFailed = false;
};
