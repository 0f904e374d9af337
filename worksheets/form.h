// The base of every window model: caption, outer size in twips as the form designer gives it,
// border style, visibility, its controls in declaration (and tab) order, its menu bar and timers,
// the Load and Unload events and what the window's close button means.
#pragma once

#include "worksheets/context_ids.h"
#include "worksheets/control.h"
#include "worksheets/linked_range.h"
#include "worksheets/menu_entry.h"
#include "worksheets/timer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

class OptionButton;
class Platform;
class Program;
struct Universal_Variables;

enum class BorderStyle : std::uint8_t { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };

// Where a window opens the first time it is shown: at its design position (left and top of its
// frame, from the screen's top left), in the middle of the screen, or beside its owner (right of
// it, the tops in line), so that the owner's entries stay readable beside the answer.
enum class StartUpPosition : std::uint8_t { Manual, CenterScreen, BesideOwner };

struct FormDesign {
    std::string_view name;
    std::string_view caption{};
    Twips width = 0; // outer size: title bar, borders and menu bar included
    Twips height = 0;
    BorderStyle borderStyle = BorderStyle::Sizable;
    std::optional<Colour> backColour{};
    std::int32_t helpContextId = 0;
    StartUpPosition startUpPosition = StartUpPosition::Manual;
    Twips left = 0;
    Twips top = 0;
};

struct TwipSize {
    Twips width = 0;
    Twips height = 0;
    bool operator==(const TwipSize&) const = default;
};

// Both worksheets open near the screen's top left, so that a dialog beside them fits on a small screen.
inline constexpr Twips kWorksheetLeft = 240;
inline constexpr Twips kWorksheetTop = 240;

// Classic window metrics at 96 dpi, in twips: the frame on each side, the title bar, the menu bar.
inline constexpr Twips kTwipsPerPixel = 15;
inline constexpr Twips kCaptionTwips = 19 * kTwipsPerPixel;
inline constexpr Twips kMenuBarTwips = 20 * kTwipsPerPixel;
Twips frameTwips(BorderStyle style);

// The client area left inside an outer window size; never negative.
TwipSize clientAreaOf(TwipSize outer, BorderStyle style, bool hasMenuBar);
// The outer size that gives a client area.
TwipSize outerSizeFor(TwipSize client, BorderStyle style, bool hasMenuBar);

class Form {
public:
    Form(Program& program, const FormDesign& design);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    Program& program() const { return m_program; }
    Universal_Variables& uv() const { return m_uv; }
    Platform& platform() const { return m_platform; }
    // The help procedures of module ContextIDs, bound to this program's help state.
    ContextIDs help() const { return ContextIDs(m_uv, m_platform); }

    std::string_view name() const { return m_name; }
    // The window handle the platform knows this window by.
    std::uintptr_t hWnd() const { return reinterpret_cast<std::uintptr_t>(this); }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { m_caption = std::move(caption); }
    Twips width() const { return m_size.width; }
    Twips height() const { return m_size.height; }
    void setWidth(Twips width) { m_size.width = width; }
    void setHeight(Twips height) { m_size.height = height; }
    TwipSize outerSize() const { return m_size; }
    TwipSize clientSize() const { return clientAreaOf(m_size, m_borderStyle, hasMenuBar()); }
    BorderStyle borderStyle() const { return m_borderStyle; }
    const std::optional<Colour>& backColour() const { return m_backColour; }
    std::int32_t helpContextId() const { return m_helpContextId; }
    StartUpPosition startUpPosition() const { return m_design.startUpPosition; }
    Twips designLeft() const { return m_design.left; }
    Twips designTop() const { return m_design.top; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // Makes the window visible and asks the platform to bring it to the front.
    void Show();
    // The same for a dialog that belongs to `owner`: it stays above its owner and goes with it.
    void Show(Form& owner);
    // The window that showed this one as its dialog, or nullptr.
    Form* owner() const { return m_owner; }
    void Hide() { m_visible = false; }
    // Unloads the window through the program; destruction waits until the running handler returns.
    void Unload();

    LinkedRange<Control, &Control::nextInForm> controls() const {
        return LinkedRange<Control, &Control::nextInForm>(m_firstControl);
    }
    LinkedRange<MenuEntry, &MenuEntry::nextSibling> menuBar() const {
        return LinkedRange<MenuEntry, &MenuEntry::nextSibling>(m_firstMenu);
    }
    LinkedRange<Timer, &Timer::nextInForm> timers() const {
        return LinkedRange<Timer, &Timer::nextInForm>(m_firstTimer);
    }
    // The menu bar shows while any top-level entry is visible.
    bool hasMenuBar() const;
    // The order the Tab key visits the controls: declaration order unless the window says otherwise.
    virtual std::vector<Control*> tabOrder() const;
    // The control with this name (and index), or nullptr; for tests and scripted runs.
    Control* findControl(std::string_view name, std::int16_t index = -1) const;
    MenuEntry* findMenu(std::string_view name, std::int16_t index = -1) const;

    // Puts the window back as its constructor left it: its own properties, every control, menu
    // entry and timer from their designs, then the window's own members (resetOwnState). The
    // program recycles windows this way (Program::reset).
    void restoreAsCreated();

    // Events the program runs.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // What the window's close button means for this window; by default the window is unloaded.
    virtual void closeButtonPressed();
    // Copy (Ctrl+C) where no text is selected: the window puts what it shows on the clipboard.
    // Returns false when it has nothing to copy (the default).
    virtual bool copyRequested() { return false; }

    // A user's double-click on the window's own surface.
    bool userDblClick();
    Handler onDblClick;

protected:
    // The members a window keeps besides its controls, back to their initial values.
    virtual void resetOwnState() {}

private:
    friend class Control;
    friend class OptionButton;
    friend class MenuEntry;
    friend class Timer;

    void adopt(Control* control);
    void adopt(MenuEntry* entry);
    void adopt(Timer* timer);

    Program& m_program;
    Universal_Variables& m_uv;
    Platform& m_platform;
    FormDesign m_design;
    std::string_view m_name;
    std::string m_caption;
    TwipSize m_size;
    std::optional<Colour> m_backColour;
    std::int32_t m_helpContextId;
    BorderStyle m_borderStyle;
    bool m_visible = false;
    bool m_enabled = true;
    Form* m_owner = nullptr;

    Control* m_firstControl = nullptr;
    Control* m_lastControl = nullptr;
    MenuEntry* m_firstMenu = nullptr;
    MenuEntry* m_lastMenu = nullptr;
    Timer* m_firstTimer = nullptr;
    Timer* m_lastTimer = nullptr;
    OptionButton* m_firstWindowOption = nullptr; // options placed directly on the window
};

} // namespace korveld
