#pragma once

#include <string>

namespace quarvel::win32 {

// Starts a program from a whole command line, its window shown at normal size with the focus.
// Does not wait for it and keeps no handle to it. Throws Failure when it cannot be started.
void startProgram(const std::string& commandLine);

}  // namespace quarvel::win32
