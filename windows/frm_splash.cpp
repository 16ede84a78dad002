#include "windows/frm_splash.h"

#include <memory>

#include "windows/frm_splash_layout.h"
#include "windows/program.h"

namespace quarvel {

FrmSplash::FrmSplash(Program& program, Form1Settings settings)
    : Window(program, frmSplashLayout()), settings_(std::move(settings)) {}

void FrmSplash::tick(std::string_view /*timer*/) {
    if (scanStarted_) return;
    scanStarted_ = true;
    if (!form1_) {
        form1_ =
            &static_cast<Form1&>(program().load(std::make_unique<Form1>(program(), settings_)));
    }
    if (form1_->getQuarvel() == PropertyValue("Success")) {
        program().unload(*this);
        program().show(*form1_);
    }
}

void FrmSplash::keyPress(char32_t /*key*/) {
    program().unload(*this);
}

}  // namespace quarvel
