#include "windows/quarvel_windows.h"

#include <memory>

#include "windows/dialog.h"
#include "windows/program.h"

namespace quarvel {

void startQuarvel(Program& program, Form1Settings settings) {
    Window& notice = program.load(std::make_unique<Dialog>(program, std::move(settings)));
    program.show(notice);
}

int runQuarvel(Toolkit& toolkit, Form1Settings settings) {
    Program program(toolkit);
    return program.run([&] { startQuarvel(program, std::move(settings)); });
}

}  // namespace quarvel
