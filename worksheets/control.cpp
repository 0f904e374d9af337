#include "worksheets/control.h"

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/platform.h"

namespace korveld {

std::string ControlName::text() const {
    std::string name(base);
    if (index >= 0) {
        name += '(';
        name += std::to_string(index);
        name += ')';
    }
    return name;
}

Control::Control(Form& form, ControlKind kind, const ControlDesign& design)
    : m_text(design.caption), m_form(form), m_design(design), m_container(design.container),
      m_namedBy(design.namedBy), m_name{design.name, design.index}, m_rect(design.rect), m_toolTip(design.toolTip),
      m_font(design.font), m_foreColour(design.foreColour), m_helpContextId(design.helpContextId), m_kind(kind),
      m_visible(design.visible), m_enabled(design.enabled) {
    form.adopt(this);
}

void Control::restoreDesign() {
    if (m_text != m_design.caption) {
        m_text.assign(m_design.caption);
    }
    m_rect = m_design.rect;
    m_toolTip = m_design.toolTip;
    m_font = m_design.font;
    m_foreColour = m_design.foreColour;
    m_visible = m_design.visible;
    m_enabled = m_design.enabled;
}

namespace {

// A caption as it reads: "&&" is one ampersand, a single "&" only marks the accelerator.
std::string withoutAccelerator(std::string_view caption) {
    std::string read;
    read.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        read += caption[i];
    }
    return read;
}

} // namespace

std::string_view Control::captionText() const {
    return m_kind == ControlKind::TextBox ? std::string_view() : std::string_view(m_text);
}

std::string Control::accessibleName() const {
    if (!m_toolTip.empty()) {
        return std::string(m_toolTip);
    }
    for (const Control* named : {m_namedBy, static_cast<const Control*>(this)}) {
        if (named != nullptr && !named->captionText().empty()) {
            return withoutAccelerator(named->captionText());
        }
    }
    return m_container != nullptr ? withoutAccelerator(m_container->captionText()) : std::string();
}

bool Control::isUsable() const {
    if (!m_visible || !m_enabled || !m_form.visible() || !m_form.enabled()) {
        return false;
    }
    for (const Frame* frame = m_container; frame != nullptr; frame = frame->container()) {
        if (!frame->visible() || !frame->enabled()) {
            return false;
        }
    }
    return true;
}

void Control::SetFocus() {
    m_form.platform().SetFocus(*this);
}

bool Control::userClick() {
    if (!isUsable()) {
        return false;
    }
    if (onClick) {
        onClick();
    }
    return true;
}

bool Control::userDblClick() {
    if (!isUsable()) {
        return false;
    }
    if (onDblClick) {
        onDblClick();
    }
    return true;
}

} // namespace korveld
