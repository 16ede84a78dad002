#include "platform/win32/embedded_browser.h"

#include <cstdio>

#include "inventory/failure.h"
#include "platform/win32/utf.h"

namespace quarvel::win32 {
namespace {

using Microsoft::WRL::ComPtr;

constexpr wchar_t kWindowClass[] = L"QuarvelBrowserSite";

void check(HRESULT result, const char* call) {
    if (SUCCEEDED(result)) return;
    char text[160];
    std::snprintf(text, sizeof text, "The web browser control failed: %s returned 0x%08lX", call,
                  static_cast<unsigned long>(result));
    throw Failure(text);
}

// The container side of in-place activation: the client site, the in-place site and the frame.
// The control is given one window to draw in, keeps no menus or tool space, and is never saved.
// A COM object is destroyed by its last Release, never through an interface pointer, so the
// interfaces' missing virtual destructors do not matter here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit Site(HWND window) : window_(window) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
            *object = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
            *object = static_cast<IOleInPlaceSite*>(this);
        } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
            *object = static_cast<IOleInPlaceFrame*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, shared by the in-place site and the frame
    STDMETHODIMP GetWindow(HWND* window) override {
        *window = window_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override {
        AddRef();
        *frame = this;
        *document = nullptr;
        GetClientRect(window_, position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(window_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return OLE_E_INVALIDRECT; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    ~Site() = default;

    HWND window_;
    ULONG references_ = 1;
};
#pragma GCC diagnostic pop

void registerWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassW(&windowClass) != 0;
    }();
    if (!registered) throw Failure("The web browser's window class could not be registered");
}

}  // namespace

EmbeddedBrowser::EmbeddedBrowser(HWND parent, const RECT& bounds) {
    registerWindowClass(&EmbeddedBrowser::windowProc);
    window_ =
        CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds.left,
                        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) throw Failure("The web browser's window could not be created");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    try {
        site_.Attach(new Site(window_));
        check(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(&control_)),
              "CoCreateInstance(WebBrowser)");
        check(control_->SetClientSite(site_.Get()), "IOleObject::SetClientSite");
        RECT area;
        GetClientRect(window_, &area);
        check(control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, window_, &area),
              "IOleObject::DoVerb");
        check(control_.As(&browser_), "QueryInterface(IWebBrowser2)");
        // Script errors of the page stay inside the page instead of opening message boxes.
        browser_->put_Silent(VARIANT_TRUE);
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
}

EmbeddedBrowser::~EmbeddedBrowser() {
    if (window_ != nullptr) DestroyWindow(window_);
}

void EmbeddedBrowser::navigate(const std::string& url) {
    BSTR address = SysAllocString(toUtf16(url).c_str());
    VARIANT none;
    VariantInit(&none);
    const HRESULT result = browser_->Navigate(address, &none, &none, &none, &none);
    SysFreeString(address);
    check(result, "IWebBrowser2::Navigate");
}

// The control's own window is a child of ours, so it is still there when ours gets WM_DESTROY:
// that is the moment to deactivate and close it.
void EmbeddedBrowser::closeControl() {
    browser_.Reset();
    if (control_) {
        ComPtr<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(control_.As(&inPlace))) inPlace->InPlaceDeactivate();
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
        control_.Reset();
    }
    site_.Reset();
    window_ = nullptr;
}

LRESULT CALLBACK EmbeddedBrowser::windowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<EmbeddedBrowser*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr) {
        if (message == WM_SIZE && self->control_) {
            ComPtr<IOleInPlaceObject> inPlace;
            RECT area{0, 0, LOWORD(lParam), HIWORD(lParam)};
            if (SUCCEEDED(self->control_.As(&inPlace))) inPlace->SetObjectRects(&area, &area);
        } else if (message == WM_DESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->closeControl();
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quarvel::win32
