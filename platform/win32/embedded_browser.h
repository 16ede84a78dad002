#pragma once

#include <exdisp.h>
#include <ole2.h>
#include <windows.h>
#include <wrl/client.h>

#include <string>

namespace quarvel::win32 {

// The WebBrowser ActiveX control, hosted in place inside a child window of its own. Needs OLE
// initialised on the calling thread (OleInitialize). navigate returns at once; the control loads
// and shows the page by itself while the message loop runs.
class EmbeddedBrowser {
public:
    EmbeddedBrowser(HWND parent, const RECT& bounds);
    ~EmbeddedBrowser();
    EmbeddedBrowser(const EmbeddedBrowser&) = delete;
    EmbeddedBrowser& operator=(const EmbeddedBrowser&) = delete;

    void navigate(const std::string& url);
    HWND window() const { return window_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void closeControl();

    HWND window_ = nullptr;
    Microsoft::WRL::ComPtr<IOleObject> control_;
    Microsoft::WRL::ComPtr<IOleClientSite> site_;
    Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
};

}  // namespace quarvel::win32
