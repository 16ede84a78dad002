#include "inventory/lookup_url.h"

#include <gtest/gtest.h>

#include "inventory/inventory_summary.h"
#include "tests/inventory/typical_machine.h"

namespace quarvel {
namespace {

using testing::ScriptedManagementSource;

std::string lookupUrlOf(ScriptedManagementSource source) {
    return summarizeInventory(source, "shop.test").lookupUrl;
}

TEST(LookupUrl, TheTypicalAddressByteForByte) {
    EXPECT_EQ(lookupUrlOf(testing::typicalMachine()),
              "http://shop.test/mc/quarvel.asp?manufacturer=Acme&mdlname=X100&bName=X100-MB"
              "&maxmemory=4 GB&totalslots=4  (Currently Memory in 2 Slots)"
              "&memoryspeeds=667 MHz,667 MHz,&memorysize=512 MB,512 MB,&processorspeed=800"
              "&site=Brackenholme");
}

TEST(LookupUrl, APlaceholderModelIsLookedUpByTheBoardProduct) {
    ScriptedManagementSource source;
    source.add("Win32_ComputerSystem", {{"Model", "System Product Name"}});
    source.add("Win32_BaseBoard", {{"Product", "P5K"}});
    InventorySummary s = summarizeInventory(source, "shop.test");
    EXPECT_NE(s.lookupUrl.find("&mdlname=P5K&bName=P5K&"), std::string::npos) << s.lookupUrl;
    EXPECT_EQ(s.record.sysModel, PropertyValue("Not Available"));
    EXPECT_NE(s.report.find("System Model: Not Available\r\n"), std::string::npos);

    ScriptedManagementSource noBoard;
    noBoard.add("Win32_ComputerSystem", {{"Model", "System Product Name"}});
    EXPECT_NE(lookupUrlOf(noBoard).find("&mdlname=&bName=&"), std::string::npos);
}

TEST(LookupUrl, ValuesCannotChangeTheAddressStructure) {
    struct Case {
        const char *manufacturer, *model, *sent;
    };
    const Case cases[] = {
        {"AT&T", "Model", "manufacturer=AT%26T&mdlname=Model&"},
        {"Synology", "RS3614xs+", "manufacturer=Synology&mdlname=RS3614xs%2B&"},
        {"100% Co", "#1", "manufacturer=100%25 Co&mdlname=%231&"},
        {"Ac\tme", "Bj\xc3\xb6rk", "manufacturer=Ac%09me&mdlname=Bj%C3%B6rk&"},
        {"A (b), c=d/e:f-g.h", "x", "manufacturer=A (b), c=d/e:f-g.h&mdlname=x&"},
    };
    for (const Case& c : cases) {
        ScriptedManagementSource source;
        source.add("Win32_ComputerSystem", {{"Manufacturer", c.manufacturer}, {"Model", c.model}});
        EXPECT_NE(lookupUrlOf(source).find(c.sent), std::string::npos) << c.sent;
    }
}

TEST(LookupUrl, NeverCarriesTheSerialNumberOrInstalledMemory) {
    std::string url = lookupUrlOf(testing::typicalMachine());
    EXPECT_EQ(url.find("SN-0042"), std::string::npos);
    EXPECT_EQ(url.find("1 GB"), std::string::npos);
}

}  // namespace
}  // namespace quarvel
