#pragma once

#include <string_view>

#include "windows/form1.h"
#include "windows/window.h"

namespace quarvel {

// The scanning splash: its first tick runs the scan and hands over to the main window.
class FrmSplash final : public Window {
public:
    FrmSplash(Program& program, Form1Settings settings);

    void tick(std::string_view timer) override;
    void keyPress(char32_t key) override;

private:
    Form1Settings settings_;
    Form1* form1_ = nullptr;
    // The toolkit may deliver a tick while the scan waits on the management service; there is
    // exactly one scan.
    bool scanStarted_ = false;
};

}  // namespace quarvel
