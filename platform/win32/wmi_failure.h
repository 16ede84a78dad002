#pragma once

#include <windows.h>

#include <string_view>

#include "inventory/failure.h"

namespace quarvel::win32 {

// The failure of a management service call: the call, its HRESULT in hex and the service's own
// description of that code, for example
//   ExecQuery("Select * from Win32_Nothing") failed with 0x80041010: Invalid class
Failure wmiFailure(std::string_view call, HRESULT result);

}  // namespace quarvel::win32
