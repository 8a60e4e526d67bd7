#pragma once

#include <string>
#include <vector>

// The program: creates the application's windows in their fixed order and runs the message
// loop. args is the command line without the program name. The application object, the
// resource source and the profile functions must be installed first. Returns the exit code.
int VelmoraMain(const std::vector<std::string>& args);
