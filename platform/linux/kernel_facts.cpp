#include "platform/linux/kernel_facts.h"

#include <sys/utsname.h>

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "platform/linux/firmware_text.h"

namespace quarvel::linux_source {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Calls visit(key, value) for each "key : value" line, keys and values trimmed.
template <typename Visit>
void forEachField(std::string_view text, char separator, Visit visit) {
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::size_t colon = line.find(separator);
        if (colon == std::string_view::npos) continue;
        visit(trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1)));
    }
}

std::optional<std::uint64_t> wholeNumber(std::string_view digits) {
    std::uint64_t n = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
        return std::nullopt;
    }
    return n;
}

}  // namespace

std::optional<std::uint64_t> totalMemoryBytes(std::string_view meminfo) {
    std::optional<std::uint64_t> bytes;
    forEachField(meminfo, ':', [&](std::string_view key, std::string_view value) {
        if (bytes || key != "MemTotal" || !value.ends_with("kB")) return;
        auto kilobytes = wholeNumber(trimmed(value.substr(0, value.size() - 2)));
        if (kilobytes && *kilobytes <= UINT64_MAX / 1024) bytes = *kilobytes * 1024;
    });
    return bytes;
}

CpuInfo readCpuInfo(std::string_view cpuinfo) {
    CpuInfo info;
    forEachField(cpuinfo, ':', [&](std::string_view key, std::string_view value) {
        if (key == "model name" && !info.modelName) info.modelName = firmwareText(value);
        if (key == "vendor_id" && !info.vendorId) info.vendorId = firmwareText(value);
        if (key == "cpu MHz" && !info.megahertz) {
            double mhz = 0;
            auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), mhz);
            if (error == std::errc() && end == value.data() + value.size() && mhz >= 0 &&
                mhz < 1e9) {
                info.megahertz = static_cast<std::uint64_t>(std::llround(mhz));
            }
        }
    });
    return info;
}

std::optional<std::uint64_t> cpufreqMegahertz(std::string_view kilohertz) {
    auto khz = wholeNumber(trimmed(kilohertz.substr(0, kilohertz.find('\n'))));
    if (!khz) return std::nullopt;
    return *khz / 1000 + (*khz % 1000 >= 500 ? 1 : 0);
}

std::string systemTypeOf(std::string_view machine) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kKnown{{
        {"x86_64", "x64-based PC"},
        {"i386", "X86-based PC"},
        {"i486", "X86-based PC"},
        {"i586", "X86-based PC"},
        {"i686", "X86-based PC"},
        {"aarch64", "ARM64-based PC"},
    }};
    for (const auto& [name, type] : kKnown) {
        if (name == machine) return std::string(type);
    }
    return firmwareText(machine) + "-based PC";
}

std::string kernelMachine() {
    utsname names{};
    if (uname(&names) != 0) return {};
    return names.machine;
}

}  // namespace quarvel::linux_source
