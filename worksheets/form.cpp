#include "worksheets/form.h"

#include "worksheets/platform.h"
#include "worksheets/program.h"

#include <algorithm>

namespace korveld {

Twips frameTwips(BorderStyle style) {
    switch (style) {
    case BorderStyle::None:
        return 0;
    case BorderStyle::Sizable:
        return 4 * kTwipsPerPixel;
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog:
        return 3 * kTwipsPerPixel;
    }
    return 0;
}

namespace {

TwipSize nonClient(BorderStyle style, bool hasMenuBar) {
    const Twips frame = frameTwips(style);
    const Twips caption = style == BorderStyle::None ? 0 : kCaptionTwips;
    return {2 * frame, 2 * frame + caption + (hasMenuBar ? kMenuBarTwips : 0)};
}

} // namespace

TwipSize clientAreaOf(TwipSize outer, BorderStyle style, bool hasMenuBar) {
    const TwipSize extra = nonClient(style, hasMenuBar);
    return {std::max<Twips>(0, outer.width - extra.width), std::max<Twips>(0, outer.height - extra.height)};
}

TwipSize outerSizeFor(TwipSize client, BorderStyle style, bool hasMenuBar) {
    const TwipSize extra = nonClient(style, hasMenuBar);
    return {client.width + extra.width, client.height + extra.height};
}

Form::Form(Program& program, const FormDesign& design)
    : m_program(program), m_uv(program.uv()), m_platform(program.platform()), m_design(design), m_name(design.name),
      m_caption(design.caption), m_size{design.width, design.height}, m_backColour(design.backColour),
      m_helpContextId(design.helpContextId), m_borderStyle(design.borderStyle) {}

void Form::restoreAsCreated() {
    m_caption.assign(m_design.caption);
    m_size = {m_design.width, m_design.height};
    m_backColour = m_design.backColour;
    m_visible = false;
    m_enabled = true;
    m_owner = nullptr;
    for (Control& control : controls()) {
        control.restoreDesign();
    }
    for (MenuEntry& entry : menuBar()) {
        entry.restoreDesign();
    }
    for (Timer& timer : timers()) {
        timer.restoreDesign();
    }
    resetOwnState();
}

void Form::Show() {
    m_visible = true;
    m_platform.ShowWindow(*this);
}

void Form::Show(Form& owner) {
    m_owner = &owner;
    Show();
}

void Form::Unload() {
    m_program.unload(*this);
}

void Form::closeButtonPressed() {
    Unload();
}

bool Form::hasMenuBar() const {
    return std::any_of(menuBar().begin(), menuBar().end(), [](const MenuEntry& entry) { return entry.visible(); });
}

Control* Form::findControl(std::string_view name, std::int16_t index) const {
    for (Control& control : controls()) {
        if (control.name().base == name && control.name().index == index) {
            return &control;
        }
    }
    return nullptr;
}

namespace {

MenuEntry* findIn(MenuEntry* first, std::string_view name, std::int16_t index) {
    for (MenuEntry* entry = first; entry != nullptr; entry = entry->nextSibling()) {
        if (entry->name().base == name && entry->name().index == index) {
            return entry;
        }
        if (MenuEntry* found = findIn(entry->firstChild(), name, index)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

MenuEntry* Form::findMenu(std::string_view name, std::int16_t index) const {
    return findIn(m_firstMenu, name, index);
}

bool Form::userDblClick() {
    if (!m_visible || !m_enabled) {
        return false;
    }
    if (onDblClick) {
        onDblClick();
    }
    return true;
}

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> order;
    for (Control& control : controls()) {
        order.push_back(&control);
    }
    return order;
}

void Form::adopt(Control* control) {
    (m_lastControl == nullptr ? m_firstControl : m_lastControl->m_next) = control;
    m_lastControl = control;
}

void Form::adopt(MenuEntry* entry) {
    (m_lastMenu == nullptr ? m_firstMenu : m_lastMenu->m_nextSibling) = entry;
    m_lastMenu = entry;
}

void Form::adopt(Timer* timer) {
    (m_lastTimer == nullptr ? m_firstTimer : m_lastTimer->m_next) = timer;
    m_lastTimer = timer;
}

} // namespace korveld
