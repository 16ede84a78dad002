#include "platform/win32/program_start.h"

#include <windows.h>

#include "inventory/failure.h"
#include "platform/win32/utf.h"

namespace quarvel::win32 {

void startProgram(const std::string& commandLine) {
    std::wstring line = toUtf16(commandLine);  // CreateProcessW may write into the buffer
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw Failure("The program could not be started: " + commandLine + " (error " +
                      std::to_string(GetLastError()) + ")");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace quarvel::win32
