#pragma once
#include <functional>
#include <string>

namespace calvorin::toolkit {

// What changed on a control, for its peer to show.
enum class Property {
    Caption,   // caption or text
    Value,     // tick state, option state, current tab, calendar date, picker time
    Visible,
    Enabled,
    ToolTip,
    Geometry,  // position and size
    Items,     // list rows
    Selection, // list row selection
    Front,     // brought to the front of its siblings
    ForeColor, // text colour
};

// Shows a control on screen. The model pushes every property change to it; the peer reports
// the user's input back by calling the control's user-side members (click() ...).
class Peer {
  public:
    virtual ~Peer() = default;
    virtual void changed(Property property) = 0;
};

// Properties every control has. Without a peer (in tests) the model works alone.
class Control {
  public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    void bind(Peer* peer) { peer_ = peer; }
    Peer* peer() const { return peer_; }

    bool visible() const { return visible_; }
    void setVisible(bool v) { assign(visible_, v, Property::Visible); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) { assign(enabled_, e, Property::Enabled); }
    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(std::string t) { assign(toolTip_, std::move(t), Property::ToolTip); }

    // The mouse moved over the control.
    std::function<void()> onMouseMove;
    void mouseMove() {
        if (onMouseMove) onMouseMove();
    }

  protected:
    template <class T> void assign(T& field, T value, Property p) {
        if (field == value) return;
        field = std::move(value);
        notify(p);
    }
    void notify(Property p) {
        if (peer_) peer_->changed(p);
    }

  private:
    Peer* peer_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
};

// A control with a caption (label, button, frame, check box ...).
class Captioned : public Control {
  public:
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { assign(caption_, std::move(c), Property::Caption); }

  private:
    std::string caption_;
};

} // namespace calvorin::toolkit
