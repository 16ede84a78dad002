#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "inventory/management_source.h"

namespace quarvel::testing {

// An in-memory management service: classes of objects with named properties, scripted by a test.
// It answers "Select * from <Class>" and records the moniker and every query it receives.
class ScriptedManagementSource : public ManagementSource {
public:
    using Properties = std::vector<std::pair<std::string, PropertyValue>>;

    // Adds one object to a class; objects come back in the order they were added.
    ScriptedManagementSource& add(const std::string& className, Properties properties);
    // Makes the query of a class fail with this message.
    void failQuery(const std::string& className, const std::string& message);
    void failConnect(const std::string& message) { connectFailure_ = message; }

    void connect(const std::string& moniker) override;
    void query(const std::string& wql, const ObjectVisitor& visit) override;

    const std::string& moniker() const { return moniker_; }
    const std::vector<std::string>& queries() const { return queries_; }

private:
    class Object;
    std::map<std::string, std::vector<Properties>> classes_;  // by lower-case class name
    std::map<std::string, std::string> queryFailures_;        // by lower-case class name
    std::string connectFailure_;
    std::string moniker_;
    std::vector<std::string> queries_;
};

}  // namespace quarvel::testing
