#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "windows/dialog_layout.h"
#include "windows/form1_layout.h"
#include "windows/frm_splash_layout.h"

namespace quarvel {
namespace {

const WindowLayout* const kLayouts[] = {&form1Layout(), &dialogLayout(), &frmSplashLayout()};

// Backends build controls in table order inside their frames, so every holder must be a frame
// that comes earlier, and names must be unique within their window.
TEST(Layouts, ContainersAreEarlierFramesAndNamesAreUnique) {
    for (const WindowLayout* layout : kLayouts) {
        std::set<std::string_view> frames;
        std::set<std::string_view> names;
        for (const ControlLayout& control : layout->controls) {
            EXPECT_TRUE(control.container.empty() || frames.contains(control.container))
                << layout->name << "." << control.name;
            EXPECT_TRUE(names.insert(control.name).second) << layout->name << "." << control.name;
            if (control.kind == ControlKind::Frame) frames.insert(control.name);
        }
    }
}

}  // namespace
}  // namespace quarvel
