#include "inventory/regional_settings.h"

#include <utility>

namespace quarvel {
namespace {

RegionalSettings& current() {
    static RegionalSettings settings;
    return settings;
}

}  // namespace

const RegionalSettings& regionalSettings() {
    return current();
}

void setRegionalSettings(RegionalSettings settings) {
    if (settings.decimalSeparator.empty()) settings.decimalSeparator.assign(1, '.');
    current() = std::move(settings);
}

}  // namespace quarvel
