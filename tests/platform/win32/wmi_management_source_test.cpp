#include "platform/win32/wmi_management_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "inventory/failure.h"
#include "inventory/scan.h"
#include "platform/win32/utf.h"

// These run against the management service of the machine they run on: Wine's own, under wine64.
namespace quarvel::win32 {
namespace {

std::string failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

std::string registryText(const wchar_t* key, const wchar_t* name) {
    wchar_t text[256] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return {};
    return toUtf8(text);
}

class WmiSource : public ::testing::Test {
protected:
    void SetUp() override { source.connect(localMoniker()); }
    WmiManagementSource source;
};

TEST_F(WmiSource, TheScanReadsThisMachine) {
    SysInventory record;
    const std::vector<MemoryModule> modules = scanInventory(source, record);

    // The same facts as the system's other interfaces give them.
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    const double gigabytes = static_cast<double>(memory.ullTotalPhys) / (1024.0 * 1024 * 1024);
    EXPECT_NEAR(record.installedGB, gigabytes, 0.005);
    const std::string processor =
        registryText(L"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", L"ProcessorNameString");
    ASSERT_NE(processor, "");
    ASSERT_TRUE(record.cpuName.text());
    EXPECT_EQ(*record.cpuName.text(), processor);

    // Kinds as the service delivers them; names match without regard to case ("manufacturer").
    ASSERT_TRUE(record.sysManufacturer.text());
    ASSERT_TRUE(record.sysModel.text());
    ASSERT_TRUE(record.sysType.text());
    EXPECT_EQ(record.sysType.text()->substr(0, 3), "x64");
    ASSERT_TRUE(record.cpuClock.integer());
    EXPECT_GT(*record.cpuClock.integer(), 0);
    EXPECT_TRUE(record.biosManufacturer.text());
    EXPECT_TRUE(record.boardProduct.text());

    ASSERT_GE(record.moduleCount, 1);
    ASSERT_EQ(modules.size(), static_cast<std::size_t>(record.moduleCount));
    for (const MemoryModule& module : modules) {
        EXPECT_NE(module.slot, "");
        EXPECT_NE(module.size, " MB");
    }
}

// Wine's service has no "speed" for memory and no "extclock" for processors; they read as null and
// the scan carries on.
TEST_F(WmiSource, PropertiesTheServiceLacksReadAsNull) {
    SysInventory record;
    const std::vector<MemoryModule> modules = scanInventory(source, record);
    EXPECT_TRUE(record.cpuExtClock.isNull());
    std::string speeds;
    for (const MemoryModule& module : modules) {
        EXPECT_EQ(module.speed, " MHz");
        speeds += " MHz,";
    }
    EXPECT_EQ(record.speedList, speeds);

    std::vector<PropertyValue> unknown;
    source.query("Select * from Win32_Bios", [&](const ManagementObject& bios) {
        unknown.push_back(bios.read("NoSuchProperty"));
    });
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_TRUE(unknown[0].isNull());
}

TEST_F(WmiSource, SixtyFourBitAmountsArriveAsTextAndCodesAsNumbers) {
    std::vector<PropertyValue> values;
    source.query("Select * from Win32_PhysicalMemory", [&](const ManagementObject& module) {
        values.push_back(module.read("capacity"));
        values.push_back(module.read("memorytype"));
    });
    ASSERT_GE(values.size(), 2u);
    ASSERT_TRUE(values[0].text());
    EXPECT_EQ(values[0].text()->find_first_not_of("0123456789"), std::string::npos)
        << *values[0].text();
    EXPECT_TRUE(values[1].integer());
}

// The call and its code, then a description: the system's own, or where it has none (Wine) the
// code's documented name.
void expectFailure(const std::string& message, const std::string& callAndCode) {
    EXPECT_EQ(message.substr(0, callAndCode.size()), callAndCode) << message;
    const std::string description = message.substr(std::min(callAndCode.size(), message.size()));
    EXPECT_NE(description, "");
    EXPECT_NE(description, "no description available");
}

TEST(WmiFailures, NameTheCallTheCodeAndItsMeaning) {
    WmiManagementSource source;
    const std::string moniker = "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\nowhere";
    expectFailure(failureOf([&] { source.connect(moniker); }),
                  "CoGetObject(\"" + moniker + "\") failed with 0x8004100E: ");

    source.connect(localMoniker());
    expectFailure(
        failureOf([&] { source.query("Selec * from Win32_Bios", [](const ManagementObject&) {}); }),
        "ExecQuery(\"Selec * from Win32_Bios\") failed with 0x80041017: ");
}

}  // namespace
}  // namespace quarvel::win32
