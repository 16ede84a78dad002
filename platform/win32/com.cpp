#include "platform/win32/com.h"

#include <objbase.h>

namespace quarvel::win32 {

ComInitialisation::ComInitialisation() {
    // S_FALSE (already initialised) must be balanced too; RPC_E_CHANGED_MODE must not.
    mustUninitialise_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComInitialisation::~ComInitialisation() {
    if (mustUninitialise_) CoUninitialize();
}

Bstr makeBstr(std::wstring_view text) {
    return Bstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

}  // namespace quarvel::win32
