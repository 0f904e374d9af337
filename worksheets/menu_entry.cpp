#include "worksheets/menu_entry.h"

#include "worksheets/form.h"

namespace korveld {

MenuEntry::MenuEntry(Form& form, const MenuDesign& design)
    : m_form(form), m_design(design), m_name{design.name, design.index}, m_caption(design.caption),
      m_helpContextId(design.helpContextId), m_checked(design.checked), m_enabled(design.enabled),
      m_visible(design.visible) {
    form.adopt(this);
}

MenuEntry::MenuEntry(MenuEntry& parent, const MenuDesign& design)
    : m_form(parent.m_form), m_design(design), m_parent(&parent), m_name{design.name, design.index},
      m_caption(design.caption), m_helpContextId(design.helpContextId), m_checked(design.checked),
      m_enabled(design.enabled), m_visible(design.visible) {
    parent.append(this);
}

void MenuEntry::append(MenuEntry* child) {
    if (m_lastChild == nullptr) {
        m_firstChild = child;
    } else {
        m_lastChild->m_nextSibling = child;
    }
    m_lastChild = child;
}

void MenuEntry::restoreDesign() {
    if (m_caption != m_design.caption) {
        m_caption.assign(m_design.caption);
    }
    m_checked = m_design.checked;
    m_enabled = m_design.enabled;
    m_visible = m_design.visible;
    for (MenuEntry* child = m_firstChild; child != nullptr; child = child->m_nextSibling) {
        child->restoreDesign();
    }
}

bool MenuEntry::isUsable() const {
    if (!m_form.visible() || !m_form.enabled()) {
        return false;
    }
    for (const MenuEntry* entry = this; entry != nullptr; entry = entry->m_parent) {
        if (!entry->m_visible || !entry->m_enabled || entry->isSeparator()) {
            return false;
        }
    }
    return true;
}

bool MenuEntry::userPick() {
    if (!isUsable()) {
        return false;
    }
    if (onClick) {
        onClick();
    }
    return true;
}

} // namespace korveld
