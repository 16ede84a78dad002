#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include <oleauto.h>

namespace quarvel::win32 {

// COM for the calling thread (the interface thread), for as long as the object lives. A thread that
// has COM already (OLE for the browser control) keeps it as it is.
class ComInitialisation {
public:
    ComInitialisation();
    ~ComInitialisation();
    ComInitialisation(const ComInitialisation&) = delete;
    ComInitialisation& operator=(const ComInitialisation&) = delete;

private:
    bool mustUninitialise_ = false;
};

struct BstrFree {
    void operator()(BSTR text) const { SysFreeString(text); }
};
// An owned BSTR.
using Bstr = std::unique_ptr<OLECHAR, BstrFree>;
Bstr makeBstr(std::wstring_view text);

// An owned VARIANT, cleared when it goes.
struct Variant : VARIANT {
    Variant() { VariantInit(this); }
    ~Variant() { VariantClear(this); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
};

}  // namespace quarvel::win32
