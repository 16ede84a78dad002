// The table reader and the objects made of the table: damaged, truncated and unusual tables.
#include "platform/linux/smbios_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/linux/smbios_facts.h"
#include "tests/platform/linux/captured_root.h"
#include "tests/platform/linux/property_value_printer.h"
#include "tests/platform/linux/smbios_builder.h"

namespace quarvel::linux_source {
namespace {

using testing::entryPoint2;
using testing::entryPoint3;
using testing::le;
using testing::Structure;
using testing::tableOf;

Bytes bytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::vector<SmbiosStructure> parse(const std::string& entry, const std::string& table) {
    return parseSmbiosTable(bytesOf(entry), bytesOf(table));
}

// The (type, handle) sequence of a parse, to compare two parses.
std::vector<std::pair<int, int>> shapeOf(const std::vector<SmbiosStructure>& structures) {
    std::vector<std::pair<int, int>> shape;
    for (const auto& s : structures) shape.emplace_back(s.type(), s.handle());
    return shape;
}

// Reads every string a structure could point to, checking each lies inside the table.
void readAllStrings(const std::vector<SmbiosStructure>& structures, const std::string& table) {
    for (const auto& s : structures) {
        for (std::size_t offset = 0; offset < 0x60; ++offset) {
            if (auto text = s.string(offset)) {
                ASSERT_GE(text->data(), table.data());
                ASSERT_LE(text->data() + text->size(), table.data() + table.size());
            }
        }
    }
}

struct Dump {
    std::string entry;
    std::string table;
};

Dump loadDump(const std::string& name) {
    std::string bytes = testing::readFile(std::filesystem::path(QUARVEL_SMBIOS_DUMPS) / name);
    return {bytes.substr(0, 0x20), bytes.substr(0x20)};
}

const std::vector<std::string> kDumps{"Asus-UX307LA.bin", "GigaByte-X399.bin",
                                      "Lenovo-ThinkPad-T480.bin", "SuperMicro-X9DBL.bin",
                                      "VMWare.bin"};

TEST(SmbiosTable, TruncatedTableGivesTheStructuresBeforeTheCut) {
    for (const std::string& name : kDumps) {
        SCOPED_TRACE(name);
        Dump dump = loadDump(name);
        auto whole = shapeOf(parse(dump.entry, dump.table));
        ASSERT_GT(whole.size(), 10u);
        std::size_t step = dump.table.size() / 4000 + 1;  // every byte of the smaller tables
        for (std::size_t cut = 0; cut <= dump.table.size(); cut += step) {
            // A fresh buffer of exactly the cut size, so a read past it is caught by ASan.
            std::string truncated = dump.table.substr(0, cut);
            auto structures = parse(dump.entry, truncated);
            auto shape = shapeOf(structures);
            ASSERT_LE(shape.size(), whole.size());
            ASSERT_TRUE(std::equal(shape.begin(), shape.end(), whole.begin())) << "cut " << cut;
            readAllStrings(structures, truncated);
        }
    }
}

TEST(SmbiosTable, CorruptedTablesAreReadWithinTheirBytes) {
    std::mt19937 random(20261211);
    for (const std::string& name : kDumps) {
        Dump dump = loadDump(name);
        for (int round = 0; round < 300; ++round) {
            std::string table = dump.table;
            for (int flips = 0; flips < 8; ++flips) {
                table[random() % table.size()] = static_cast<char>(random() & 0xFF);
            }
            auto structures = parse(dump.entry, table);
            readAllStrings(structures, table);
            MachineFacts facts;
            addSmbiosFacts(structures, facts);
        }
    }
}

TEST(SmbiosTable, EntryPointMustBeWellFormed) {
    const std::string table = tableOf({{0, 0, le(0x0201, 2), {"Vendor", "1.0"}}});
    auto damaged = [](std::string entry, std::size_t at) {
        entry[at] = static_cast<char>(entry[at] ^ 0x01);
        return entry;
    };
    struct Case {
        const char* what;
        std::string entry;
        bool readable;
    };
    const std::vector<Case> cases{
        {"3.x", entryPoint3(table.size()), true},
        {"2.x", entryPoint2(table.size(), 1), true},
        {"3.x with a wrong checksum", damaged(entryPoint3(table.size()), 0x0C), false},
        {"2.x with a wrong checksum", damaged(entryPoint2(table.size(), 1), 0x06), false},
        {"2.x with a wrong intermediate anchor", damaged(entryPoint2(table.size(), 1), 0x10),
         false},
        {"unknown anchor", damaged(entryPoint3(table.size()), 0x03), false},
        {"3.x cut short", entryPoint3(table.size()).substr(0, 0x10), false},
        {"2.x cut short", entryPoint2(table.size(), 1).substr(0, 0x18), false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!parse(c.entry, table).empty(), c.readable) << c.what;
    }

    std::string longer = entryPoint3(table.size());
    longer[0x06] = 0x40;  // claims more bytes than the entry point has
    EXPECT_TRUE(parse(longer, table).empty());
}

TEST(SmbiosTable, ReadingStopsAtDamageAndAtTheEnd) {
    const Structure bios{0, 0, le(0x0201, 2), {"Vendor"}};
    const Structure board{2, 2, le(0x0201, 2), {"Maker", "Board"}};
    const Structure end{127, 0xFEFF, "", {}};
    auto count = [](const std::string& table) {
        return parse(entryPoint3(table.size()), table).size();
    };

    EXPECT_EQ(count(tableOf({bios, board})), 2u);
    EXPECT_EQ(count(tableOf({bios, end, board})), 1u) << "nothing after the end-of-table";
    std::string shortHeader = tableOf({bios, board});
    shortHeader[tableOf({bios}).size() + 1] = 3;  // a length under the header's own 4 bytes
    EXPECT_EQ(count(shortHeader), 1u);
    std::string tooLong = tableOf({bios, board});
    tooLong[tableOf({bios}).size() + 1] = static_cast<char>(0xF0);  // runs past the table
    EXPECT_EQ(count(tooLong), 1u);
    std::string unterminated = tableOf({bios, board});
    unterminated.pop_back();  // the last string set never closes
    EXPECT_EQ(count(unterminated), 1u);

    std::string table = tableOf({bios, board});
    EXPECT_EQ(parse(entryPoint2(table.size(), 1), table).size(), 1u) << "2.x states the count";
    EXPECT_EQ(parse(entryPoint3(tableOf({bios}).size()), table).size(), 1u)
        << "the entry point states the length";
}

TEST(SmbiosTable, StringsAndFieldsAreReadOnlyWhereTheyExist) {
    const std::string table =
        tableOf({{1, 1, std::string("\x01\x02\x00\x07", 4), {"Acme  ", "X100"}}});
    auto structures = parse(entryPoint3(table.size()), table);
    ASSERT_EQ(structures.size(), 1u);
    const SmbiosStructure& s = structures[0];
    EXPECT_EQ(s.string(4), "Acme  ") << "trailing blanks are the firmware's";
    EXPECT_EQ(s.string(5), "X100");
    EXPECT_EQ(s.string(6), std::nullopt) << "string number 0";
    EXPECT_EQ(s.string(7), std::nullopt) << "a number past the last string";
    EXPECT_EQ(s.string(8), std::nullopt) << "a field beyond the structure";
    EXPECT_EQ(s.word(6), 0x0700);
    EXPECT_EQ(s.word(7), std::nullopt);
    EXPECT_EQ(s.qword(1), std::nullopt);
}

// The objects one hand-made structure gives, or none.
std::vector<FactObject> objectsOf(const std::vector<Structure>& structures, ManagementClass c) {
    std::string table = tableOf(structures);
    MachineFacts facts;
    addSmbiosFacts(parse(entryPoint3(table.size()), table), facts);
    return facts.objects(c);
}

// A memory device of the given length, size, speed and extended fields.
Structure memoryDevice(std::uint16_t handle, std::uint16_t array, std::uint16_t size,
                       std::uint16_t speed, std::uint32_t extendedSize, std::uint32_t extendedSpeed,
                       std::size_t length) {
    std::string fields = le(array, 2) + le(0xFFFE, 2) + le(64, 2) + le(64, 2) + le(size, 2) +
                         "\x09" + std::string(1, '\0') + "\x01" + std::string(1, '\0') + "\x1A" +
                         le(0x80, 2) + le(speed, 2);
    fields.resize(0x54 + 4 - 4, '\0');
    fields.replace(0x1C - 4, 4, le(extendedSize, 4));
    fields.replace(0x54 - 4, 4, le(extendedSpeed, 4));
    fields.resize(length - 4);
    return {17, handle, fields, {"DIMM A"}};
}

Structure memoryArray(std::uint16_t handle, std::uint8_t use, std::uint32_t capacity,
                      std::uint64_t extended) {
    return {16,
            handle,
            "\x03" + std::string(1, static_cast<char>(use)) + "\x03" + le(capacity, 4) +
                le(0xFFFE, 2) + le(4, 2) + le(extended, 8),
            {}};
}

TEST(SmbiosFacts, ModuleSizesAndSpeedsInEveryEncoding) {
    struct Case {
        const char* what;
        std::uint16_t size, speed;
        std::uint32_t extendedSize, extendedSpeed;
        std::size_t length;
        PropertyValue capacity, moduleSpeed;
    };
    const PropertyValue null = PropertyValue::null();
    const std::vector<Case> cases{
        {"megabytes", 0x0400, 2666, 0, 0, 0x28, "1073741824", 2666},
        {"kilobytes", 0x8200, 100, 0, 0, 0x28, "524288", 100},
        {"extended size", 0x7FFF, 3200, 0x00040000, 0, 0x28, "274877906944", 3200},
        {"extended size beyond a short structure", 0x7FFF, 3200, 0x00040000, 0, 0x1C, null, 3200},
        {"unknown size", 0xFFFF, 0, 0, 0, 0x28, null, null},
        {"extended speed", 0x2000, 0xFFFF, 0, 8800, 0x5C, "8589934592", 8800},
        {"extended speed beyond a short structure", 0x2000, 0xFFFF, 0, 8800, 0x28, "8589934592",
         null},
        {"speed beyond a 2.1 structure", 0x2000, 1600, 0, 0, 0x15, "8589934592", null},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto modules = objectsOf(
            {memoryDevice(0x20, 0x10, c.size, c.speed, c.extendedSize, c.extendedSpeed, c.length)},
            ManagementClass::PhysicalMemory);
        ASSERT_EQ(modules.size(), 1u);
        EXPECT_EQ(modules[0].read("Capacity"), c.capacity);
        EXPECT_EQ(modules[0].read("Speed"), c.moduleSpeed);
        EXPECT_EQ(modules[0].read("DeviceLocator"), "DIMM A");
        EXPECT_EQ(modules[0].read("MemoryType"), 0) << "DDR4 has no code of its own";
    }
    EXPECT_TRUE(
        objectsOf({memoryDevice(0x20, 0x10, 0, 0, 0, 0, 0x28)}, ManagementClass::PhysicalMemory)
            .empty())
        << "an empty socket";
}

TEST(SmbiosFacts, OnlySystemMemoryCounts) {
    auto modules =
        objectsOf({memoryArray(0x10, 0x03, 0x00400000, 0), memoryArray(0x11, 0x04, 0x1000, 0),
                   memoryDevice(0x20, 0x10, 0x0400, 0, 0, 0, 0x28),
                   memoryDevice(0x21, 0x11, 0x0001, 0, 0, 0, 0x28),   // video memory
                   memoryDevice(0x22, 0x99, 0x0800, 0, 0, 0, 0x28)},  // its array is nowhere
                  ManagementClass::PhysicalMemory);
    ASSERT_EQ(modules.size(), 2u);
    EXPECT_EQ(modules[0].read("Capacity"), "1073741824");
    EXPECT_EQ(modules[1].read("Capacity"), "2147483648");

    auto arrays = objectsOf(
        {memoryArray(0x10, 0x03, 0x00400000, 0), memoryArray(0x11, 0x04, 0x1000, 0),
         memoryArray(0x12, 0x03, 0x80000000, 1ull << 41), memoryArray(0x13, 0x03, 0xFFFFFFFE, 0)},
        ManagementClass::PhysicalMemoryArray);
    ASSERT_EQ(arrays.size(), 3u);
    EXPECT_EQ(arrays[0].read("MaxCapacity"), 0x00400000);
    EXPECT_EQ(arrays[0].read("MemoryDevices"), 4);
    EXPECT_TRUE(arrays[0].read("Manufacturer").isNull());
    EXPECT_EQ(arrays[1].read("MaxCapacity"), 2147483648.0) << "2 TB in kilobytes, as a real";
    EXPECT_EQ(arrays[2].read("MaxCapacity"), 4294967294.0) << "never a negative integer";
}

TEST(SmbiosFacts, MemoryTypeCodesAreTheOnesWindowsReports) {
    const std::vector<std::pair<std::uint8_t, std::int32_t>> cases{
        {0x01, 1},  {0x02, 0},  {0x03, 2},  {0x07, 9}, {0x09, 11}, {0x0F, 17},
        {0x12, 20}, {0x13, 21}, {0x14, 22}, {0x15, 0}, {0x18, 24}, {0x19, 25},
        {0x1A, 0},  {0x22, 0},  {0x00, 0},  {0xFF, 0}};
    for (const auto& [smbios, windows] : cases) {
        Structure device = memoryDevice(0x20, 0x10, 0x0400, 0, 0, 0, 0x28);
        device.fields[0x12 - 4] = static_cast<char>(smbios);
        auto modules = objectsOf({device}, ManagementClass::PhysicalMemory);
        ASSERT_EQ(modules.size(), 1u);
        EXPECT_EQ(modules[0].read("MemoryType"), windows) << "SMBIOS type " << int(smbios);
    }
}

TEST(SmbiosFacts, OnlyPopulatedCentralProcessors) {
    auto processor = [](std::uint16_t handle, std::uint8_t kind, std::uint8_t status,
                        std::uint16_t mhz) {
        std::string fields(0x1A - 4, '\0');
        fields[0x05 - 4] = static_cast<char>(kind);
        fields[0x07 - 4] = 1;
        fields[0x10 - 4] = 2;
        fields.replace(0x12 - 4, 2, le(100, 2));
        fields.replace(0x16 - 4, 2, le(mhz, 2));
        fields[0x18 - 4] = static_cast<char>(status);
        return Structure{4, handle, fields, {"Acme", "Acme CPU " + std::to_string(handle)}};
    };
    auto cpus = objectsOf({processor(1, 3, 0x41, 2400), processor(2, 3, 0x00, 2400),
                           processor(3, 5, 0x41, 2400), processor(4, 3, 0x44, 0)},
                          ManagementClass::Processor);
    ASSERT_EQ(cpus.size(), 2u);
    EXPECT_EQ(cpus[0].read("Name"), "Acme CPU 1");
    EXPECT_EQ(cpus[0].read("Manufacturer"), "Acme");
    EXPECT_EQ(cpus[0].read("CurrentClockSpeed"), 2400);
    EXPECT_EQ(cpus[0].read("ExtClock"), 100);
    EXPECT_EQ(cpus[1].read("Name"), "Acme CPU 4") << "populated, disabled by the BIOS";
    EXPECT_TRUE(cpus[1].read("CurrentClockSpeed").isNull());
}

TEST(SmbiosFacts, FirmwareStringsBecomeUtf8) {
    auto boards = objectsOf({{2,
                              2,
                              le(0x0201, 2),
                              {"Caf\xE9 Boards",
                               "\xC3\x9C"
                               "ber \xFF"}}},
                            ManagementClass::Baseboard);
    ASSERT_EQ(boards.size(), 1u);
    EXPECT_EQ(boards[0].read("Manufacturer"), "Caf\xC3\xA9 Boards") << "Latin-1";
    EXPECT_EQ(boards[0].read("Product"),
              "\xC3\x9C"
              "ber \xC3\xBF")
        << "UTF-8 kept";
}

}  // namespace
}  // namespace quarvel::linux_source
