#include "windows/dialog.h"

#include <memory>

#include "windows/dialog_layout.h"
#include "windows/frm_splash.h"
#include "windows/program.h"

namespace quarvel {
namespace {

constexpr std::string_view kNotice =
    "Please read the following carefully before using the scan tool.\r\n\r\n"
    "Using the scanner DO NOT collect any personal data stored on the computer, only the system "
    "information is captured and is for one time scan use only, NO personal data is transmitted. "
    "To run the scanner just click the OK button. This scanner results are for helping you find "
    "the memory type only and we do not offer a guaranteed compatibility results.\r\n\r\n"
    "Please verify with your computer's manual to confirm that the memory you buy is the correct "
    "memory for your system. You can make use of the many tools found on the site, these tools "
    "are meant to guide you to find the memory type for you, we have the Ferrowick tool, the "
    "Plinthmere help tool, and Corvantis.\r\n\r\n"
    "If you need any help before buying memory, you can use our live customer support chat to "
    "talk to one of our representative and we will be glad to help you find the compatible "
    "memory.";

}  // namespace

Dialog::Dialog(Program& program, Form1Settings settings)
    : Window(program, dialogLayout()), settings_(std::move(settings)) {}

void Dialog::load() {
    setText("Text1", kNotice);
}

void Dialog::click(std::string_view control) {
    if (control == "CancelButton") return program().end();
    if (control != "OKButton") return;
    Window& splash = program().load(std::make_unique<FrmSplash>(program(), settings_));
    program().show(splash);
    program().unload(*this);
}

}  // namespace quarvel
