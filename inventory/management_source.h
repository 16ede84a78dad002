#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "inventory/property_value.h"

namespace quarvel {

// One object of a query's result.
class ManagementObject {
public:
    virtual ~ManagementObject() = default;
    // Reads a property by name, matched without regard to case. A name the object does not
    // know reads as null.
    virtual PropertyValue read(std::string_view name) const = 0;
};

using ObjectVisitor = std::function<void(const ManagementObject&)>;

// The operating system's management service, as the inventory scan uses it. Failures to connect or
// to query are thrown as Failure.
class ManagementSource {
public:
    virtual ~ManagementSource() = default;
    virtual void connect(const std::string& moniker) = 0;
    // Runs a query and hands each object of its result to visit, in the service's order.
    virtual void query(const std::string& wql, const ObjectVisitor& visit) = 0;
};

// The moniker of the local computer's root\cimv2 namespace, impersonating the caller.
std::string localMoniker();

}  // namespace quarvel
