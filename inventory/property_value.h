#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quarvel {

// One fact read from the management service, or a value derived from such facts.
class PropertyValue {
public:
    struct Empty {
        bool operator==(const Empty&) const = default;
    };
    struct Null {
        bool operator==(const Null&) const = default;
    };

    PropertyValue() = default;
    static PropertyValue null() { return PropertyValue(Null{}); }
    PropertyValue(std::int32_t integer) : value_(integer) {}
    PropertyValue(double real) : value_(real) {}
    PropertyValue(std::string text) : value_(std::move(text)) {}
    PropertyValue(const char* text) : value_(std::string(text)) {}

    bool isEmpty() const { return std::holds_alternative<Empty>(value_); }
    bool isNull() const { return std::holds_alternative<Null>(value_); }
    const std::int32_t* integer() const { return std::get_if<std::int32_t>(&value_); }
    const double* real() const { return std::get_if<double>(&value_); }
    const std::string* text() const { return std::get_if<std::string>(&value_); }

    bool operator==(const PropertyValue&) const = default;

private:
    explicit PropertyValue(Null n) : value_(n) {}
    std::variant<Empty, Null, std::int32_t, double, std::string> value_;
};

// The value as it reads inside a joined text: empty and null give nothing, numbers their digits.
std::string valueText(const PropertyValue& v);

// A real as text: at most 15 significant digits, no trailing zeros, the user's decimal separator.
std::string realText(double x);

// v divided by d. Text is read as a number first; null stays null. Text that is not a number fails.
PropertyValue divide(const PropertyValue& v, double d);

// A real rounded to two decimal places, halves to the even neighbour; null stays null.
PropertyValue round2(const PropertyValue& v);

}  // namespace quarvel
