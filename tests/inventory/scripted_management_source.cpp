#include "tests/inventory/scripted_management_source.h"

#include <algorithm>
#include <cctype>

#include "inventory/failure.h"

namespace quarvel::testing {
namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

class ScriptedManagementSource::Object : public ManagementObject {
public:
    explicit Object(const Properties& properties) : properties_(properties) {}
    PropertyValue read(std::string_view name) const override {
        for (const auto& [key, value] : properties_) {
            if (lower(key) == lower(name)) return value;
        }
        return PropertyValue::null();
    }

private:
    const Properties& properties_;
};

ScriptedManagementSource& ScriptedManagementSource::add(const std::string& className,
                                                        Properties properties) {
    classes_[lower(className)].push_back(std::move(properties));
    return *this;
}

void ScriptedManagementSource::failQuery(const std::string& className, const std::string& message) {
    queryFailures_[lower(className)] = message;
}

void ScriptedManagementSource::connect(const std::string& moniker) {
    moniker_ = moniker;
    if (!connectFailure_.empty()) throw Failure(connectFailure_);
}

void ScriptedManagementSource::query(const std::string& wql, const ObjectVisitor& visit) {
    queries_.push_back(wql);
    static const std::string kPrefix = "select * from ";
    if (lower(wql).rfind(kPrefix, 0) != 0) throw Failure("Invalid query: " + wql);
    std::string className = lower(wql.substr(kPrefix.size()));
    if (auto failure = queryFailures_.find(className); failure != queryFailures_.end()) {
        throw Failure(failure->second);
    }
    for (const Properties& properties : classes_[className]) visit(Object(properties));
}

}  // namespace quarvel::testing
