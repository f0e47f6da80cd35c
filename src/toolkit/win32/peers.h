#pragma once
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/win32/dialog_host.h"

#include <memory>
#include <vector>

namespace calvorin::toolkit::win32 {

// A top-level window: shown, it also comes to the foreground.
class FormPeer : public WindowPeer {
  public:
    FormPeer(HWND h, Form& f) : WindowPeer(h, f) {}
    void changed(Property p) override;
};

class LabelPeer : public WindowPeer {
  public:
    LabelPeer(HWND h, Label& l) : WindowPeer(h, l), label_(l) {}
    void command(int code) override;

  private:
    Label& label_;
};

class ButtonPeer : public WindowPeer {
  public:
    ButtonPeer(HWND h, CommandButton& b) : WindowPeer(h, b), button_(b) {}
    void command(int code) override;

  private:
    CommandButton& button_;
};

class CheckBoxPeer : public WindowPeer {
  public:
    CheckBoxPeer(HWND h, CheckBox& c) : WindowPeer(h, c), box_(c) {}
    void changed(Property p) override;
    void command(int code) override;
    void refresh() override;

  private:
    CheckBox& box_;
};

class OptionPeer : public WindowPeer {
  public:
    OptionPeer(HWND h, OptionButton& o) : WindowPeer(h, o), option_(o) {}
    void changed(Property p) override;
    void command(int code) override;
    void refresh() override;

  private:
    OptionButton& option_;
};

class TabPeer : public WindowPeer {
  public:
    TabPeer(HWND h, TabStrip& t) : WindowPeer(h, t), tabs_(t) {}
    void changed(Property p) override;
    LRESULT notify(NMHDR* header) override;
    void refresh() override;
    // The part of the tab control that shows a tab's content, in its parent's coordinates.
    RECT displayArea() const;

  private:
    TabStrip& tabs_;
};

class ListPeer : public WindowPeer {
  public:
    ListPeer(HWND h, ListBox& l) : WindowPeer(h, l), list_(l) {}
    void changed(Property p) override;
    void command(int code) override;
    void refresh() override;

  private:
    ListBox& list_;
    bool pushing_ = false; // our own LB_SETSEL must not echo back as a user click
};

// A filled bar whose width follows the model's, scaled to the window of its outline shape.
class ShapePeer : public WindowPeer {
  public:
    ShapePeer(HWND h, Shape& s, const Shape& outline, HWND outlineWindow);
    ~ShapePeer() override;
    void changed(Property p) override;
    HBRUSH background() override { return brush_; }
    void refresh() override;

  private:
    Shape& shape_;
    const Shape& outline_;
    HWND outlineWindow_;
    HBRUSH brush_;
};

class MonthViewPeer : public WindowPeer {
  public:
    MonthViewPeer(HWND h, MonthView& m) : WindowPeer(h, m), month_(m) {}
    void changed(Property p) override;
    LRESULT notify(NMHDR* header) override;
    void refresh() override;

  private:
    MonthView& month_;
};

// One of several stacked pages: brought to the front it shows and the others hide, so the
// keyboard and screen readers meet only the page the user sees.
class PagePeer : public WindowPeer {
  public:
    PagePeer(HWND h, Frame& f, std::shared_ptr<std::vector<HWND>> stack);
    void changed(Property p) override;

  private:
    std::shared_ptr<std::vector<HWND>> stack_;
};

} // namespace calvorin::toolkit::win32
