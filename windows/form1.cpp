#include "windows/form1.h"

#include <array>
#include <chrono>
#include <thread>
#include <vector>

#include "inventory/display_values.h"
#include "inventory/failure.h"
#include "inventory/lookup_url.h"
#include "inventory/scan.h"
#include "inventory/sys_report.h"
#include "windows/form1_layout.h"
#include "windows/program.h"

namespace quarvel {
namespace {

// The value labels filled straight from a field of the record, in the order they are set.
struct FieldLabel {
    std::string_view label;
    PropertyValue SysInventory::*field;
};

constexpr std::array<FieldLabel, 14> kFieldLabels{{
    {"Label21", &SysInventory::sysManufacturer},
    {"Label22", &SysInventory::sysModel},
    {"Label24", &SysInventory::productVersion},
    {"Label25", &SysInventory::productIdNumber},
    {"Label26", &SysInventory::sysType},
    {"Label27", &SysInventory::cpuName},
    {"Label28", &SysInventory::cpuManufacturer},
    {"Label41", &SysInventory::cpuClock},
    {"Label29", &SysInventory::cpuExtClock},
    {"Label30", &SysInventory::boardManufacturer},
    {"Label31", &SysInventory::boardProduct},
    {"Label32", &SysInventory::biosManufacturer},
    {"Label33", &SysInventory::biosVersion},
    {"Label34", &SysInventory::memManufacturer},
}};

constexpr std::string_view kInstalledRamLabel = "Label35";
constexpr std::string_view kMaximumRamLabel = "Label36";
constexpr std::string_view kSlotsLabel = "Label37";

// A click on one module list moves the other two to the same row, in this order.
struct ListLink {
    std::string_view clicked;
    std::array<std::string_view, 2> followers;
};

constexpr std::array<ListLink, 3> kListLinks{{
    {"memoryLst", {"slotsLst", "speedLst"}},
    {"slotsLst", {"memoryLst", "speedLst"}},
    {"speedLst", {"memoryLst", "slotsLst"}},
}};

// Another program may hold the clipboard for a moment; try a few times before giving up.
constexpr int kClipboardAttempts = 10;
constexpr std::chrono::milliseconds kClipboardPause{50};

}  // namespace

Form1::Form1(Program& program, Form1Settings settings)
    : Window(program, form1Layout()), settings_(std::move(settings)) {}

void Form1::load() {
    for (const ValueRow& row : kValueRows) setCaption(row.valueLabel, "");
    record_.moduleCount = 0;
}

PropertyValue Form1::getQuarvel() {
    std::vector<MemoryModule> modules = scanInventory(settings_.source, record_);
    for (std::string_view list : {"slotsLst", "memoryLst", "speedLst"}) clearList(list);
    for (const MemoryModule& module : modules) {
        addListRow("slotsLst", module.slot);
        addListRow("memoryLst", module.size);
        addListRow("speedLst", module.speed);
    }
    applyNotAvailableRule(record_);
    setCaption(kInstalledRamLabel, formatMemoryAmount(record_.installedGB));
    setCaption(kMaximumRamLabel, formatMemoryAmount(record_.maxGB));
    for (const FieldLabel& label : kFieldLabels)
        setCaption(label.label, valueText(record_.*label.field));
    setCaption(kSlotsLabel, slotSummary(record_));
    sysReport_ = buildSysReport(record_, caption(kInstalledRamLabel), caption(kMaximumRamLabel));
    std::string address = buildLookupUrl(record_, settings_.retailerHost, caption(kMaximumRamLabel),
                                         caption(kSlotsLabel));
    navigate("WB", address);
    return PropertyValue("Success");
}

void Form1::click(std::string_view control) {
    if (control == "clipboardCmd") return copyReport();
    if (control == "Image1" || control == "Label39") return openChat();
    linkLists(control);
}

void Form1::linkLists(std::string_view clicked) {
    for (const ListLink& link : kListLinks) {
        if (link.clicked != clicked) continue;
        int row = listIndex(clicked);
        for (std::string_view follower : link.followers) setListIndex(follower, row);
    }
}

void Form1::copyReport() {
    for (int attempt = 1;; ++attempt) {
        try {
            toolkit().putClipboardText(sysReport_);
            return;
        } catch (const Failure& failure) {
            if (attempt < kClipboardAttempts) {
                std::this_thread::sleep_for(kClipboardPause);
                continue;
            }
            toolkit().messageBox(
                kApplicationTitle,
                std::string("The report could not be copied to the clipboard: ") + failure.what());
            return;
        }
    }
}

void Form1::openChat() {
    try {
        toolkit().startBrowser("http://" + settings_.retailerHost +
                               "/support/UserPreChat.aspx?ref=CustomerScanWindow");
    } catch (const Failure&) {
        toolkit().messageBox(kApplicationTitle, "Browser Not found!!!");
    }
}

}  // namespace quarvel
