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
    : m_text(design.caption), m_form(form), m_design(design),
      m_container(design.container), m_name{design.name, design.index}, m_rect(design.rect), m_toolTip(design.toolTip),
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
