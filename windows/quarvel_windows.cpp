#include "windows/quarvel_windows.h"

#include <memory>

#include "windows/dialog.h"
#include "windows/program.h"

namespace quarvel {

int runQuarvel(Toolkit& toolkit, Form1Settings settings) {
    Program program(toolkit);
    return program.run([&] {
        Window& notice = program.load(std::make_unique<Dialog>(program, settings));
        program.show(notice);
    });
}

}  // namespace quarvel
