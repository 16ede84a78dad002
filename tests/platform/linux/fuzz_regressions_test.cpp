// Every input the fuzzers start from or once stumbled on is read safely (ASan and UBSan watch it
// in the sanitize build).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "tests/platform/linux/captured_root.h"
#include "tests/platform/linux/fuzz/fuzz_inputs.h"

namespace quarvel::testing {
namespace {

using Reader = std::function<void(std::span<const std::uint8_t>)>;

// Reads each file of the folders; returns how many there were.
std::size_t readEach(const std::vector<std::filesystem::path>& folders, const Reader& read) {
    std::size_t files = 0;
    for (const auto& folder : folders) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            SCOPED_TRACE(entry.path().string());
            std::string bytes = readFile(entry.path());
            read({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
            ++files;
        }
    }
    return files;
}

const std::filesystem::path kFuzz = QUARVEL_FUZZ_INPUTS;

TEST(FuzzRegressions, SmbiosTableInputs) {
    EXPECT_GT(readEach({kFuzz / "regressions/smbios", QUARVEL_SMBIOS_DUMPS}, readSmbiosInput), 5u);
}

TEST(FuzzRegressions, UdevRecordInputs) {
    EXPECT_GT(readEach({kFuzz / "regressions/udev", kFuzz / "corpus/udev"}, readUdevInput), 5u);
}

}  // namespace
}  // namespace quarvel::testing
