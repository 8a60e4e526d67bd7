#include "script/ScenarioDriver.h"

#include <fstream>
#include <iostream>
#include <sstream>

// velmora-script SCENARIO [ARG...]: runs the program on the headless desktop, driven by the
// scenario, with ARG as its command line, and prints the trace.
int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: velmora-script SCENARIO [ARG...]\n";
    return 3;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    std::cerr << "cannot open scenario " << argv[1] << '\n';
    return 3;
  }
  std::ostringstream text;
  text << file.rdbuf();
  try {
    ScenarioDriver driver(ParseScenario(text.str()), std::cout, std::cerr);
    return driver.Run(std::vector<std::string>(argv + 2, argv + argc));
  } catch (const ScenarioError& e) {
    std::cerr << e.message << '\n';
    return 3;
  }
}
