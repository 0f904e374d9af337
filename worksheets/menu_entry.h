// A menu entry of a window's menu bar: caption with its & accelerator, check mark, enabled and
// visible state, child entries. Picking a leaf runs its Click handler; opening an entry that has
// children runs that entry's Click handler (the worksheets clear their results there).
#pragma once

#include "worksheets/control.h"

#include <string>
#include <string_view>

namespace korveld {

class Form;

struct MenuDesign {
    std::string_view name;
    std::int16_t index = -1; // member of a menu control array
    std::string_view caption{};
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::int32_t helpContextId = 0;
};

class MenuEntry {
public:
    // A top-level entry of the form's menu bar.
    MenuEntry(Form& form, const MenuDesign& design);
    // A child entry, in declaration order.
    MenuEntry(MenuEntry& parent, const MenuDesign& design);
    MenuEntry(const MenuEntry&) = delete;
    MenuEntry& operator=(const MenuEntry&) = delete;

    const ControlName& name() const { return m_name; }
    std::string fullName() const { return m_name.text(); }
    Form& form() const { return m_form; }
    MenuEntry* parent() const { return m_parent; }
    MenuEntry* firstChild() const { return m_firstChild; }
    MenuEntry* nextSibling() const { return m_nextSibling; }
    bool hasChildren() const { return m_firstChild != nullptr; }
    // A caption of "-" makes the entry a separator line.
    bool isSeparator() const { return m_caption == "-"; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { m_caption = std::move(caption); }
    bool checked() const { return m_checked; }
    void setChecked(bool checked) { m_checked = checked; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    std::int32_t helpContextId() const { return m_helpContextId; }

    // Visible and enabled, as are its parents and its window.
    bool isUsable() const;
    // The user picks a leaf or opens an entry's submenu: runs onClick when usable.
    bool userPick();

    // Caption, check mark, enabled and visible state back to the design, children too.
    void restoreDesign();

    Handler onClick;

private:
    friend class Form;

    void append(MenuEntry* child);

    Form& m_form;
    MenuDesign m_design;
    MenuEntry* m_parent = nullptr;
    MenuEntry* m_firstChild = nullptr;
    MenuEntry* m_lastChild = nullptr;
    MenuEntry* m_nextSibling = nullptr;
    ControlName m_name;
    std::string m_caption;
    std::int32_t m_helpContextId;
    bool m_checked;
    bool m_enabled;
    bool m_visible;
};

} // namespace korveld
