#include "inventory/property_value.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "inventory/failure.h"
#include "inventory/regional_settings.h"

namespace quarvel {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads "[sign]digits[<separator>digits][e[sign]digits]", blanks allowed around it, with the
// user's decimal separator. Anything else is not a number.
std::optional<double> readNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    const std::string& separator = regionalSettings().decimalSeparator;
    std::string plain;  // the same number in the form from_chars reads
    std::size_t i = 0;
    auto takeDigits = [&] {
        std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) plain += text[i++];
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    std::size_t digits = takeDigits();
    if (text.substr(i).starts_with(separator)) {
        i += separator.size();
        plain += '.';
        digits += takeDigits();
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        if (takeDigits() == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double result = 0;
    auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), result);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

// The number a value holds, or nothing for null; text that is not a number is a type mismatch.
std::optional<double> numberOf(const PropertyValue& v) {
    if (v.isNull()) return std::nullopt;
    if (v.isEmpty()) return 0.0;
    if (const auto* i = v.integer()) return static_cast<double>(*i);
    if (const auto* r = v.real()) return *r;
    const std::string& text = *v.text();
    if (auto number = readNumber(text)) return number;
    throw Failure("Type mismatch: \"" + text + "\" is not a number");
}

}  // namespace

std::string valueText(const PropertyValue& v) {
    if (const auto* i = v.integer()) return std::to_string(*i);
    if (const auto* r = v.real()) return realText(*r);
    if (const auto* t = v.text()) return *t;
    return {};
}

std::string realText(double x) {
    if (x == 0) return "0";  // also keeps a negative zero from showing its sign
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0");
    if (auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, regionalSettings().decimalSeparator);
    }
    return text;
}

PropertyValue divide(const PropertyValue& v, double d) {
    auto number = numberOf(v);
    if (!number) return PropertyValue::null();
    return *number / d;
}

PropertyValue round2(const PropertyValue& v) {
    auto number = numberOf(v);
    if (!number) return PropertyValue::null();
    double hundredths = *number * 100;
    // Past 2^52 hundredths a double holds no fraction of a hundredth to round away.
    if (!(std::fabs(hundredths) < 0x1p52)) return *number;
    double lower = std::floor(hundredths);
    double rest = hundredths - lower;
    bool lowerIsOdd = std::fmod(lower, 2.0) != 0;
    double rounded = rest > 0.5 || (rest == 0.5 && lowerIsOdd) ? lower + 1 : lower;
    return rounded / 100;
}

}  // namespace quarvel
