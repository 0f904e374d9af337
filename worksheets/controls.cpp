#include "worksheets/controls.h"

#include "worksheets/form.h"

namespace korveld {

Label::Label(Form& form, const ControlDesign& design)
    : Control(form, ControlKind::Label, design), m_alignment(design.alignment), m_autoSize(design.autoSize) {}

void Label::restoreDesign() {
    Control::restoreDesign();
    m_alignment = design().alignment;
}

TextBox::TextBox(Form& form, const ControlDesign& design)
    : Control(form, ControlKind::TextBox, design), m_alignment(design.alignment), m_multiLine(design.multiLine),
      m_locked(design.locked) {}

void TextBox::restoreDesign() {
    Control::restoreDesign();
    m_alignment = design().alignment;
    m_locked = design().locked;
}

void TextBox::setText(std::string text) {
    if (text == m_text) {
        return;
    }
    m_text = std::move(text);
    if (onChange) {
        onChange();
    }
}

bool TextBox::userType(std::string text) {
    if (m_locked || !isUsable()) {
        return false;
    }
    setText(std::move(text));
    return true;
}

CommandButton::CommandButton(Form& form, const ControlDesign& design)
    : Control(form, ControlKind::CommandButton, design) {}

Frame::Frame(Form& form, const ControlDesign& design) : Control(form, ControlKind::Frame, design) {}

OptionButton::OptionButton(Form& form, const ControlDesign& design)
    : Control(form, ControlKind::OptionButton, design), m_value(design.value != 0) {
    OptionButton*& head = design.container != nullptr ? design.container->m_firstOption : form.m_firstWindowOption;
    m_nextInGroup = head;
    head = this;
}

void OptionButton::restoreDesign() {
    Control::restoreDesign();
    m_value = design().value != 0;
}

OptionButton* OptionButton::firstInGroup() const {
    return container() != nullptr ? container()->m_firstOption : form().m_firstWindowOption;
}

void OptionButton::setValue(bool chosen) {
    if (!chosen) {
        m_value = false;
        return;
    }
    if (m_value) {
        return;
    }
    m_value = true;
    for (OptionButton* other = firstInGroup(); other != nullptr; other = other->m_nextInGroup) {
        if (other != this) {
            other->m_value = false;
        }
    }
    if (onClick) {
        onClick();
    }
}

bool OptionButton::userClick() {
    if (!isUsable()) {
        return false;
    }
    setValue(true);
    return true;
}

CheckBox::CheckBox(Form& form, const ControlDesign& design)
    : Control(form, ControlKind::CheckBox, design), m_value(design.value) {}

void CheckBox::restoreDesign() {
    Control::restoreDesign();
    m_value = design().value;
}

void CheckBox::setValue(std::int16_t value) {
    if (value == m_value) {
        return;
    }
    m_value = value;
    if (onClick) {
        onClick();
    }
}

bool CheckBox::userClick() {
    if (!isUsable()) {
        return false;
    }
    setValue(m_value == Checked ? Unchecked : Checked);
    return true;
}

} // namespace korveld
