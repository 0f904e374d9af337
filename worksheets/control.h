// The toolkit-free base of every control of a window model: name, caption or text, tool tip,
// position in twips, font, visibility, enabled state, container, and the Click and DblClick
// handlers. The kinds (label, text box, buttons, options, check boxes, frames) live in controls.h.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace korveld {

class Form;
class Frame;
class Control;

using Twips = std::int32_t;
using Handler = std::function<void()>;

struct TwipRect {
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
    bool operator==(const TwipRect&) const = default;
};

// A font as the window names it; the family must be a string with static storage (a literal).
struct Font {
    std::string_view family;
    float points = 8.25f;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

enum class Alignment : std::uint8_t { Left, Right, Center };

enum class ControlKind : std::uint8_t { Label, TextBox, CommandButton, OptionButton, CheckBox, Frame };

// A control's name; members of a control array carry their index: txtValCap(3).
struct ControlName {
    std::string_view base;
    std::int16_t index = -1;
    std::string text() const;
};

// Design-time properties, written with designated initializers in the window's declaration.
// String views must have static storage; `caption` is the caption or, for a text box, the text.
struct ControlDesign {
    std::string_view name;
    std::int16_t index = -1;
    TwipRect rect{};
    std::string_view caption{};
    std::string_view toolTip{};
    std::optional<Font> font{};
    Frame* container = nullptr;
    const Control* namedBy = nullptr; // the label (or button) whose caption names a control without one
    bool visible = true;
    bool enabled = true;
    Alignment alignment = Alignment::Left;
    bool autoSize = false;  // labels: the width follows the caption
    bool multiLine = false; // text boxes
    bool locked = false;    // text boxes: read-only for the user
    std::optional<Colour> foreColour{};
    std::int16_t value = 0;         // option buttons 0/1, check boxes 0/1/2
    std::int32_t helpContextId = 0; // topic opened by the help key; 0 = the window's
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    ControlKind kind() const { return m_kind; }
    const ControlName& name() const { return m_name; }
    std::string fullName() const { return m_name.text(); }
    Form& form() const { return m_form; }
    Frame* container() const { return m_container; }
    Control* nextInForm() const { return m_next; }

    const TwipRect& rect() const { return m_rect; }
    Twips left() const { return m_rect.left; }
    Twips top() const { return m_rect.top; }
    Twips width() const { return m_rect.width; }
    Twips height() const { return m_rect.height; }
    void setRect(const TwipRect& rect) { m_rect = rect; }
    void setLeft(Twips left) { m_rect.left = left; }
    void setTop(Twips top) { m_rect.top = top; }
    void setWidth(Twips width) { m_rect.width = width; }
    void setHeight(Twips height) { m_rect.height = height; }
    void Move(Twips left, Twips top) { m_rect.left = left, m_rect.top = top; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    std::string_view toolTip() const { return m_toolTip; }
    void setToolTip(std::string_view toolTip) { m_toolTip = toolTip; }
    const std::optional<Font>& font() const { return m_font; }
    void setFont(const std::optional<Font>& font) { m_font = font; }
    const std::optional<Colour>& foreColour() const { return m_foreColour; }
    void setForeColour(const std::optional<Colour>& colour) { m_foreColour = colour; }
    std::int32_t helpContextId() const { return m_helpContextId; }

    // The caption a user reads on the control; empty for a text box, whose text is its content.
    std::string_view captionText() const;
    // The name assistive tools announce: the tool tip; else the caption of the control that names
    // it, or its own caption, without the & of the accelerator; else the caption of its frame.
    std::string accessibleName() const;

    // Whether a user can reach the control: it, every frame around it and its window are
    // visible and enabled.
    bool isUsable() const;

    // Asks the platform to put the keyboard focus on this control.
    void SetFocus();

    // What a user's click does: runs onClick for most kinds; options and check boxes change
    // their value first (controls.h). Returns false when the control could not be reached.
    virtual bool userClick();

    // Every property back to its design, as the window's constructor left it; handlers stay.
    virtual void restoreDesign();
    bool userDblClick();

    Handler onClick;
    Handler onDblClick;

protected:
    Control(Form& form, ControlKind kind, const ControlDesign& design);
    const ControlDesign& design() const { return m_design; }

    // The caption, or the text of a text box.
    std::string m_text;

private:
    friend class Form;

    Form& m_form;
    ControlDesign m_design;
    Control* m_next = nullptr;
    Frame* m_container;
    const Control* m_namedBy;
    ControlName m_name;
    TwipRect m_rect;
    std::string_view m_toolTip;
    std::optional<Font> m_font;
    std::optional<Colour> m_foreColour;
    std::int32_t m_helpContextId;
    ControlKind m_kind;
    bool m_visible;
    bool m_enabled;
};

} // namespace korveld
