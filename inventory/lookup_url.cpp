#include "inventory/lookup_url.h"

namespace quarvel {
namespace {

// Percent-encodes the bytes that would change the address's structure or are not plain ASCII;
// everything else, spaces included, stays as it is for the retailer's server.
std::string queryValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '%' || c == '&' || c == '#' || c == '+' || byte < 0x20 || byte >= 0x7F) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

// The model the retailer looks up: the board's product when the system model is a placeholder.
const PropertyValue& lookupModel(const SysInventory& record) {
    const std::string* model = record.sysModel.text();
    return model && *model == "Not Available" ? record.boardProduct : record.sysModel;
}

}  // namespace

std::string buildLookupUrl(const SysInventory& record, std::string_view host,
                           std::string_view maximumRam, std::string_view slots) {
    return "http://" + std::string(host) +
           "/mc/quarvel.asp?manufacturer=" + queryValue(valueText(record.sysManufacturer)) +
           "&mdlname=" + queryValue(valueText(lookupModel(record))) +
           "&bName=" + queryValue(valueText(record.boardProduct)) +
           "&maxmemory=" + queryValue(maximumRam) + "&totalslots=" + queryValue(slots) +
           "&memoryspeeds=" + queryValue(record.speedList) +
           "&memorysize=" + queryValue(record.capacityList) +
           "&processorspeed=" + queryValue(valueText(record.cpuClock)) + "&site=Brackenholme";
}

}  // namespace quarvel
