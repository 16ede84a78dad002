#pragma once

#include <string>

#include "inventory/regional_settings.h"

namespace quarvel::testing {

// Sets the user's decimal separator for the life of a test.
class DecimalSeparator {
public:
    explicit DecimalSeparator(std::string separator) : saved_(regionalSettings()) {
        setRegionalSettings({std::move(separator)});
    }
    ~DecimalSeparator() { setRegionalSettings(saved_); }
    DecimalSeparator(const DecimalSeparator&) = delete;
    DecimalSeparator& operator=(const DecimalSeparator&) = delete;

private:
    RegionalSettings saved_;
};

}  // namespace quarvel::testing
