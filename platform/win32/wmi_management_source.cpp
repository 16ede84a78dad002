#include "platform/win32/wmi_management_source.h"

#include <oleauto.h>
#include <wbemcli.h>

#include "platform/win32/utf.h"
#include "platform/win32/variant_value.h"
#include "platform/win32/wmi_failure.h"

namespace quarvel::win32 {
namespace {

using Microsoft::WRL::ComPtr;

class WmiObject final : public ManagementObject {
public:
    explicit WmiObject(ComPtr<ISWbemPropertySet> properties) : properties_(std::move(properties)) {}

    PropertyValue read(std::string_view name) const override {
        const Bstr wideName = makeBstr(toUtf16(name));
        ComPtr<ISWbemProperty> property;
        HRESULT result = properties_->Item(wideName.get(), 0, &property);
        // A service that lacks the property (Wine's lacks some) reads as having no value for it.
        if (result == static_cast<HRESULT>(WBEM_E_NOT_FOUND)) return PropertyValue::null();
        if (FAILED(result))
            throw wmiFailure("Properties_.Item(\"" + std::string(name) + "\")", result);
        Variant value;
        result = property->get_Value(&value);
        if (FAILED(result)) throw wmiFailure("Value of \"" + std::string(name) + "\"", result);
        return propertyValueOf(value);
    }

private:
    ComPtr<ISWbemPropertySet> properties_;
};

}  // namespace

void WmiManagementSource::connect(const std::string& moniker) {
    services_.Reset();
    const HRESULT result = CoGetObject(toUtf16(moniker).c_str(), nullptr, IID_PPV_ARGS(&services_));
    if (FAILED(result)) throw wmiFailure("CoGetObject(\"" + moniker + "\")", result);
}

void WmiManagementSource::query(const std::string& wql, const ObjectVisitor& visit) {
    if (!services_) throw Failure("The management service was queried before it was connected");
    const std::string call = "ExecQuery(\"" + wql + "\")";
    const Bstr text = makeBstr(toUtf16(wql));
    const Bstr language = makeBstr(L"WQL");
    ComPtr<ISWbemObjectSet> objects;
    HRESULT result =
        services_->ExecQuery(text.get(), language.get(),
                             wbemFlagForwardOnly | wbemFlagReturnImmediately, nullptr, &objects);
    if (FAILED(result)) throw wmiFailure(call, result);

    // Returning immediately, the service reports a bad query while its objects are fetched.
    ComPtr<IUnknown> start;
    ComPtr<IEnumVARIANT> each;
    result = objects->get__NewEnum(&start);
    if (SUCCEEDED(result)) result = start.As(&each);
    if (FAILED(result)) throw wmiFailure(call + "._NewEnum", result);

    for (;;) {
        Variant item;
        ULONG fetched = 0;
        result = each->Next(1, &item, &fetched);
        if (FAILED(result)) throw wmiFailure(call + " fetching an object", result);
        if (result != S_OK || fetched == 0) break;
        ComPtr<ISWbemObject> object;
        ComPtr<ISWbemPropertySet> properties;
        result = item.vt == VT_DISPATCH && item.pdispVal
                     ? item.pdispVal->QueryInterface(IID_PPV_ARGS(&object))
                     : E_NOINTERFACE;
        if (SUCCEEDED(result)) result = object->get_Properties_(&properties);
        if (FAILED(result)) throw wmiFailure(call + " reading an object's Properties_", result);
        visit(WmiObject(std::move(properties)));
    }
}

}  // namespace quarvel::win32
