#include "platform/win32/wmi_failure.h"

#include <wbemcli.h>
#include <wrl/client.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "platform/win32/com.h"
#include "platform/win32/utf.h"

namespace quarvel::win32 {
namespace {

std::string trimmed(std::wstring_view text) {
    const auto end = text.find_last_not_of(L" \t\r\n");
    return toUtf8(text.substr(0, end == std::wstring_view::npos ? 0 : end + 1));
}

std::string hexDigits(HRESULT result) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08lX", static_cast<unsigned long>(result));
    return digits;
}

// WMI's own text for its codes. Wine's says no more than the code itself, which counts as none.
std::string statusCodeText(HRESULT result) {
    Microsoft::WRL::ComPtr<IWbemStatusCodeText> codes;
    if (FAILED(CoCreateInstance(CLSID_WbemStatusCodeText, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&codes))))
        return {};
    BSTR text = nullptr;
    if (FAILED(codes->GetErrorCodeText(result, 0, 0, &text))) return {};
    const Bstr owned(text);
    std::string description = text ? trimmed(text) : std::string();
    std::string upper = description;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find(hexDigits(result)) == std::string::npos ? description : std::string();
}

// The system's message for a code it knows (RPC and COM codes, Win32 errors).
std::string systemMessage(HRESULT result) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0) return {};
    std::string message = trimmed({text, length});
    LocalFree(text);
    return message;
}

// Where neither has a text (Wine), the codes a scan can meet by their documented names.
struct KnownCode {
    HRESULT code;
    const char* text;
};
const KnownCode knownCodes[] = {
    {static_cast<HRESULT>(WBEM_E_FAILED), "Call failed (WBEM_E_FAILED)"},
    {static_cast<HRESULT>(WBEM_E_NOT_FOUND), "Not found (WBEM_E_NOT_FOUND)"},
    {static_cast<HRESULT>(WBEM_E_ACCESS_DENIED), "Access denied (WBEM_E_ACCESS_DENIED)"},
    {static_cast<HRESULT>(WBEM_E_PROVIDER_FAILURE), "Provider failure (WBEM_E_PROVIDER_FAILURE)"},
    {static_cast<HRESULT>(WBEM_E_INVALID_NAMESPACE),
     "Invalid namespace (WBEM_E_INVALID_NAMESPACE)"},
    {static_cast<HRESULT>(WBEM_E_INVALID_CLASS), "Invalid class (WBEM_E_INVALID_CLASS)"},
    {static_cast<HRESULT>(WBEM_E_TRANSPORT_FAILURE),
     "Transport failure (WBEM_E_TRANSPORT_FAILURE)"},
    {static_cast<HRESULT>(WBEM_E_INVALID_QUERY), "Invalid query (WBEM_E_INVALID_QUERY)"},
    {static_cast<HRESULT>(WBEM_E_INVALID_QUERY_TYPE),
     "Invalid query language (WBEM_E_INVALID_QUERY_TYPE)"},
};

std::string description(HRESULT result) {
    if (auto text = statusCodeText(result); !text.empty()) return text;
    if (auto text = systemMessage(result); !text.empty()) return text;
    for (const auto& known : knownCodes)
        if (known.code == result) return known.text;
    return "no description available";
}

}  // namespace

Failure wmiFailure(std::string_view call, HRESULT result) {
    return Failure(std::string(call) + " failed with 0x" + hexDigits(result) + ": " +
                   description(result));
}

}  // namespace quarvel::win32
