#pragma once
#include "toolkit/controls.h"
#include "toolkit/display_controls.h"
#include "toolkit/edit_controls.h"
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

  protected:
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
    HBRUSH colors(HDC) override { return brush_; }
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

// A frame whose items are a dialog of their own: disabling it disables everything inside.
class ContainerPeer : public WindowPeer {
  public:
    ContainerPeer(HWND h, Frame& f) : WindowPeer(h, f) {}
    void changed(Property p) override;
};

// A label that reads as a web link: link colour, hand pointer, a click opens it.
class LinkPeer : public LabelPeer {
  public:
    LinkPeer(HWND h, Label& l);
    HBRUSH colors(HDC dc) override;
};

class TextBoxPeer : public WindowPeer {
  public:
    TextBoxPeer(HWND h, TextBox& t) : WindowPeer(h, t), text_(t) {}
    void changed(Property p) override;
    void command(int code) override;

  private:
    TextBox& text_;
    bool pushing_ = false;
};

class ComboBoxPeer : public WindowPeer {
  public:
    ComboBoxPeer(HWND h, ComboBox& c) : WindowPeer(h, c), combo_(c) {}
    void changed(Property p) override;
    void command(int code) override;
    void refresh() override;

  private:
    ComboBox& combo_;
    bool pushing_ = false;
};

// The spin arrows step the model, which writes its buddy text box.
class UpDownPeer : public WindowPeer {
  public:
    UpDownPeer(HWND h, UpDown& u) : WindowPeer(h, u), spin_(u) {}
    void changed(Property p) override;
    LRESULT notify(NMHDR* header) override;
    void refresh() override;

  private:
    UpDown& spin_;
};

class DTPickerPeer : public WindowPeer {
  public:
    DTPickerPeer(HWND h, DTPicker& d) : WindowPeer(h, d), picker_(d) {}
    void changed(Property p) override;
    LRESULT notify(NMHDR* header) override;
    void refresh() override;

  private:
    DTPicker& picker_;
    bool pushing_ = false;
};

class ProgressBarPeer : public WindowPeer {
  public:
    ProgressBarPeer(HWND h, ProgressBar& b) : WindowPeer(h, b), bar_(b) {}
    void changed(Property p) override;
    void refresh() override;

  private:
    ProgressBar& bar_;
};

class PicturePeer : public WindowPeer {
  public:
    PicturePeer(HWND h, Picture& p) : WindowPeer(h, p), picture_(p) {}
    void command(int code) override;

  private:
    Picture& picture_;
};

} // namespace calvorin::toolkit::win32
