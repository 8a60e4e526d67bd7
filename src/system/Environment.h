#pragma once

#include <string>
#include <vector>

namespace sys {

// The process's current directory as the system reports it (no trailing separator except at
// the root, where it is "/").
std::string CurrentDirectory();

// The program's command line without the program name, set once by the entry.
void SetCommandLine(std::vector<std::string> args);
// The argument at index (1 is the first), or an empty text when there is none.
std::string ParamStr(int index);

} // namespace sys
