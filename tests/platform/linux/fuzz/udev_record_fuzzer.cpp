#include "tests/platform/linux/fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quarvel::testing::readUdevInput({data, size});
    return 0;
}
