#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "inventory/inventory_summary.h"
#include "tests/inventory/scripted_management_source.h"
#include "tests/inventory/typical_machine.h"
#include "tests/windows/recording_toolkit.h"
#include "windows/program.h"
#include "windows/quarvel_windows.h"

namespace quarvel::testing {

inline constexpr char kTestHost[] = "shop.test";

// The program started on the recording toolkit, with a scripted machine behind it.
class QuarvelTest : public ::testing::Test {
protected:
    void start() {
        program.run([this] { startQuarvel(program, {source, kTestHost}); });
    }
    // OK on the notice and the splash's first tick: the road to the main window.
    void startToMainWindow() {
        start();
        toolkit.click("Dialog", "OKButton");
        toolkit.tick("frmSplash", "Timer1");
    }
    // What the same machine gives without any window.
    static InventorySummary expected() {
        ScriptedManagementSource machine = typicalMachine();
        return summarizeInventory(machine, kTestHost);
    }

    ScriptedManagementSource source = typicalMachine();
    RecordingToolkit toolkit;
    Program program{toolkit};
};

}  // namespace quarvel::testing
