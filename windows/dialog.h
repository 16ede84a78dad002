#pragma once

#include <string_view>

#include "windows/form1.h"
#include "windows/window.h"

namespace quarvel {

// The notice the user accepts before anything is read from the machine.
class Dialog final : public Window {
public:
    Dialog(Program& program, Form1Settings settings);

    void load() override;
    void click(std::string_view control) override;

private:
    Form1Settings settings_;
};

}  // namespace quarvel
