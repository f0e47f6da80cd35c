#include "app/update_window.h"

#include "toolkit/win32/peers.h"
#include "update_resource.h"

namespace calvorin::app {

using namespace toolkit::win32;

namespace {

// The status line: its text in the colour the model gives it.
class ColouredLabelPeer : public LabelPeer {
  public:
    ColouredLabelPeer(HWND h, toolkit::Label& l) : LabelPeer(h, l) {}
    void changed(toolkit::Property p) override {
        if (p != toolkit::Property::ForeColor) return LabelPeer::changed(p);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    HBRUSH colors(HDC dc) override {
        SetTextColor(dc, static_cast<COLORREF>(label_.foreColor()));
        SetBkMode(dc, TRANSPARENT);
        return GetSysColorBrush(COLOR_3DFACE);
    }
    void refresh() override {
        LabelPeer::refresh();
        changed(toolkit::Property::ForeColor);
    }
};

// The marker: the model moves it along Line1 in its own units; on screen the line is where
// the template put it, and the marker's centre is mapped onto it in proportion.
class MarkerPeer : public WindowPeer {
  public:
    MarkerPeer(HWND h, toolkit::Shape& shape, const toolkit::Line& line, HWND lineWindow)
        : WindowPeer(h, shape), shape_(shape), line_(line), lineWindow_(lineWindow) {}
    void changed(toolkit::Property p) override {
        if (p != toolkit::Property::Geometry) return WindowPeer::changed(p);
        RECT onScreen{}, own{};
        GetWindowRect(lineWindow_, &onScreen);
        MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&onScreen), 2);
        GetWindowRect(hwnd_, &own);
        const float span = line_.x2() - line_.x1();
        if (span == 0) return;
        const float centre = shape_.left() + shape_.width() / 2;
        const float share = (centre - line_.x1()) / span;
        const int x = onScreen.left +
                      static_cast<int>(share * static_cast<float>(onScreen.right - onScreen.left));
        const int w = own.right - own.left, h = own.bottom - own.top;
        SetWindowPos(hwnd_, HWND_TOP, x - w / 2, onScreen.top - h / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
    }

  private:
    toolkit::Shape& shape_;
    const toolkit::Line& line_;
    HWND lineWindow_;
};

} // namespace

UpdateWindows::UpdateWindows(HINSTANCE instance, update::frmUpgrade& upgrade,
                             update::frmLoading& loading)
    : upgradeHost_(instance), loadingHost_(instance) {
    HWND hidden = upgradeHost_.createMain(IDD_UPGRADE);
    upgradeHost_.bindWindow<FormPeer>(hidden, static_cast<toolkit::Form&>(upgrade));

    HWND status = loadingHost_.createMain(IDD_LOADING);
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_UPDATE));
    SendMessageW(status, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(status, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    loadingHost_.bindWindow<FormPeer>(status, static_cast<toolkit::Form&>(loading)).refresh();
    loadingHost_.bind<LabelPeer>(status, IDC_LOADING_LABEL1, loading.Label1).refresh();
    loadingHost_.bind<ColouredLabelPeer>(status, IDC_LOAD_NAME, loading.LoadName).refresh();
    loadingHost_.bind<WindowPeer>(status, IDC_LINE1, loading.Line1).refresh();
    loadingHost_.bind<MarkerPeer>(status, IDC_SHAPE1, loading.Shape1, loading.Line1,
                                  GetDlgItem(status, IDC_LINE1));
    for (int i = 0; i < loading.Picture.count(); ++i)
        loadingHost_.bind<PicturePeer>(status, IDC_PICTURE_1 + i, loading.Picture[i]).refresh();
}

} // namespace calvorin::app
