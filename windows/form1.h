#pragma once

#include <string>
#include <string_view>

#include "inventory/management_source.h"
#include "inventory/property_value.h"
#include "inventory/sys_inventory.h"
#include "windows/window.h"

namespace quarvel {

// What the main window needs from outside: the machine's management service and the retailer's
// web host.
struct Form1Settings {
    ManagementSource& source;
    std::string retailerHost;
};

// The main window: the scan sequence that fills it, the linked module lists, and the copy and
// chat commands.
class Form1 final : public Window {
public:
    Form1(Program& program, Form1Settings settings);

    void load() override;
    void click(std::string_view control) override;

    // Scans the machine, fills the window, builds the report, sends the browser to the retailer's
    // lookup page and answers "Success". A failure travels on to the caller.
    PropertyValue getQuarvel();

private:
    void linkLists(std::string_view clicked);
    void copyReport();
    void openChat();

    Form1Settings settings_;
    SysInventory record_;
    std::string sysReport_;
};

}  // namespace quarvel
