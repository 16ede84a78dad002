#pragma once

#include "windows/form1.h"
#include "windows/toolkit.h"

namespace quarvel {

class Program;

// Loads and shows the notice, the program's first window.
void startQuarvel(Program& program, Form1Settings settings);

// Runs the program on the toolkit: the notice first, then the splash and the main window.
// Returns the program's exit status.
int runQuarvel(Toolkit& toolkit, Form1Settings settings);

}  // namespace quarvel
