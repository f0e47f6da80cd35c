#pragma once
#include "toolkit/control.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace calvorin::toolkit::win32 {

// A peer over one window: pushes the model's changes to it and hands its notifications back.
class WindowPeer : public Peer {
  public:
    WindowPeer(HWND hwnd, Control& control) : hwnd_(hwnd), control_(control) {}
    HWND hwnd() const { return hwnd_; }
    Control& control() const { return control_; }

    void changed(Property property) override;
    // WM_COMMAND notification codes and WM_NOTIFY headers from the window.
    virtual void command(int /*code*/) {}
    virtual LRESULT notify(NMHDR* /*header*/) { return 0; }
    // The brush to paint a static control with (after setting its colours on `dc`), or null
    // for the default.
    virtual HBRUSH colors(HDC /*dc*/) { return nullptr; }
    // Shows the model's whole state (after binding).
    virtual void refresh();

  protected:
    HWND hwnd_;
    Control& control_;
};

// Creates the dialogs of one top-level window from their templates, binds the model's
// controls to their items and routes every notification to the peer of the control.
class DialogHost {
  public:
    explicit DialogHost(HINSTANCE instance) : instance_(instance) {}
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;
    ~DialogHost();

    // The top-level dialog, created hidden.
    HWND createMain(int templateId);
    // A child dialog laid over `area` of `parent`; on a tab control it takes the tab's face.
    HWND createChild(HWND parent, int templateId, const RECT& area, bool onTab = false);
    RECT itemRect(HWND dialog, int itemId) const;

    // Binds `control` to item `itemId` of `dialog` with a peer of type P; returns the peer.
    template <class P, class C, class... Extra> P& bind(HWND dialog, int itemId, C& control, Extra&&... extra) {
        return bindWindow<P>(GetDlgItem(dialog, itemId), control, std::forward<Extra>(extra)...);
    }
    template <class P, class C, class... Extra> P& bindWindow(HWND hwnd, C& control, Extra&&... extra) {
        auto peer = std::make_unique<P>(hwnd, control, std::forward<Extra>(extra)...);
        P& ref = *peer;
        adopt(std::move(peer));
        return ref;
    }

    HWND main() const { return main_; }
    HINSTANCE instance() const { return instance_; }
    // The user asked to close the main window.
    std::function<void()> onClose;
    // The Windows session is about to end: false asks it to wait (the answer to
    // WM_QUERYENDSESSION); unset, it may end.
    std::function<bool()> onQueryEndSession;
    // The session ends (true) or goes on after all; the process may end once this returns.
    std::function<void(bool ending)> onEndSession;
    // Gives keyboard navigation to the dialogs; for the message loop.
    bool preTranslate(MSG* msg);

    WindowPeer* peerOf(HWND hwnd) const;

  private:
    void adopt(std::unique_ptr<WindowPeer> peer);
    static INT_PTR CALLBACK dialogProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK mouseProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    INT_PTR handle(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);

    HINSTANCE instance_;
    HWND main_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<std::unique_ptr<WindowPeer>> peers_;
    std::map<HWND, WindowPeer*> byWindow_;
};

} // namespace calvorin::toolkit::win32
