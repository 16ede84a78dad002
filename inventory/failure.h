#pragma once

#include <stdexcept>
#include <string>

namespace quarvel {

// The one error type of the program. Its text names what went wrong and is shown to the user as is.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quarvel
