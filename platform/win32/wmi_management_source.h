#pragma once

#include <windows.h>

#include <wbemdisp.h>
#include <wrl/client.h>

#include "inventory/management_source.h"
#include "platform/win32/com.h"

namespace quarvel::win32 {

// The management service through WMI's scripting interface (SWbemServices), on the calling thread.
class WmiManagementSource final : public ManagementSource {
public:
    void connect(const std::string& moniker) override;
    void query(const std::string& wql, const ObjectVisitor& visit) override;

private:
    ComInitialisation com_;
    Microsoft::WRL::ComPtr<ISWbemServices> services_;
};

}  // namespace quarvel::win32
