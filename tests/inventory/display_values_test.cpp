#include "inventory/display_values.h"

#include <gtest/gtest.h>

#include "tests/inventory/decimal_separator.h"

namespace quarvel {
namespace {

TEST(FormatMemoryAmount, GigabytesFromOneUpAndMegabytesBelow) {
    struct Case {
        double gb;
        const char* text;
    };
    const Case cases[] = {
        {4, "4 GB"},     {3.75, "3.75 GB"},    {1, "1 GB"},
        {0.5, "512 MB"}, {0.25, "256 MB"},     {0.49, "501.76 MB"},
        {0, "0 MB"},     {0.99, "1013.76 MB"}, {1536, "1536 GB"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatMemoryAmount(c.gb), c.text) << c.gb;

    testing::DecimalSeparator comma(",");
    EXPECT_EQ(formatMemoryAmount(0.49), "501,76 MB");
    EXPECT_EQ(formatMemoryAmount(3.75), "3,75 GB");
}

TEST(SlotSummary, SocketsThenModulesInUse) {
    SysInventory r;
    r.memDevices = 4;
    r.moduleCount = 2;
    EXPECT_EQ(slotSummary(r), "4  (Currently Memory in 2 Slots)");
    r.memDevices = PropertyValue::null();
    r.moduleCount = 0;
    EXPECT_EQ(slotSummary(r), "  (Currently Memory in 0 Slots)");
}

TEST(NotAvailableRule, ReplacesIdentityTextsContainingSystem) {
    struct Case {
        PropertyValue before, after;
    };
    const Case cases[] = {
        {"System manufacturer", "Not Available"},
        {"System Product Name", "Not Available"},
        {"Acme Systems", "Not Available"},
        {"system manufacturer", "system manufacturer"},
        {"To Be Filled By O.E.M.", "To Be Filled By O.E.M."},
        {PropertyValue::null(), PropertyValue::null()},
        {PropertyValue(), PropertyValue()},
    };
    for (const Case& c : cases) {
        SysInventory r;
        r.sysManufacturer = r.sysModel = r.productVersion = r.productIdNumber = c.before;
        r.boardManufacturer = r.boardProduct = r.biosManufacturer = r.cpuName = c.before;
        r.memManufacturer = r.biosVersion = c.before;
        applyNotAvailableRule(r);
        for (const PropertyValue& field :
             {r.sysManufacturer, r.sysModel, r.productVersion, r.productIdNumber}) {
            EXPECT_EQ(field, c.after) << valueText(c.before);
        }
        for (const PropertyValue& field : {r.boardManufacturer, r.boardProduct, r.biosManufacturer,
                                           r.cpuName, r.memManufacturer, r.biosVersion}) {
            EXPECT_EQ(field, c.before);
        }
    }
}

}  // namespace
}  // namespace quarvel
