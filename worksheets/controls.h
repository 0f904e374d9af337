// The control kinds of the windows and the cascades between them: a text box runs its Change
// handler when its text changes, an option that becomes chosen clears the rest of its group and
// runs its Click handler, a check box runs its Click handler when its value changes.
#pragma once

#include "worksheets/control.h"

#include <array>
#include <cstddef>
#include <utility>

namespace korveld {

class OptionButton;

class Label : public Control {
public:
    Label(Form& form, const ControlDesign& design);

    const std::string& caption() const { return m_text; }
    void setCaption(std::string caption) { m_text = std::move(caption); }
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment) { m_alignment = alignment; }
    bool autoSize() const { return m_autoSize; }
    void restoreDesign() override;

private:
    Alignment m_alignment;
    bool m_autoSize;
};

class TextBox : public Control {
public:
    TextBox(Form& form, const ControlDesign& design);

    const std::string& text() const { return m_text; }
    // Runs onChange when the text differs from what the box holds.
    void setText(std::string text);
    // The user typed: the box takes the whole new text unless it is locked or out of reach.
    bool userType(std::string text);

    bool multiLine() const { return m_multiLine; }
    bool locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment) { m_alignment = alignment; }
    void restoreDesign() override;

    Handler onChange;

private:
    Alignment m_alignment;
    bool m_multiLine;
    bool m_locked;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, const ControlDesign& design);

    const std::string& caption() const { return m_text; }
    void setCaption(std::string caption) { m_text = std::move(caption); }
};

// A frame: a container with a caption; the options inside it form one group.
class Frame : public Control {
public:
    Frame(Form& form, const ControlDesign& design);

    const std::string& caption() const { return m_text; }
    void setCaption(std::string caption) { m_text = std::move(caption); }

private:
    friend class OptionButton;
    OptionButton* m_firstOption = nullptr;
};

class OptionButton : public Control {
public:
    OptionButton(Form& form, const ControlDesign& design);

    const std::string& caption() const { return m_text; }
    void setCaption(std::string caption) { m_text = std::move(caption); }
    bool value() const { return m_value; }

    // Choosing an option that is not chosen clears the others of its group, hidden ones too,
    // then runs onClick; choosing the chosen one does nothing; clearing runs nothing.
    void setValue(bool chosen);
    bool userClick() override;
    void restoreDesign() override;

    OptionButton* nextInGroup() const { return m_nextInGroup; }
    OptionButton* firstInGroup() const;

private:
    OptionButton* m_nextInGroup = nullptr;
    bool m_value;
};

class CheckBox : public Control {
public:
    static constexpr std::int16_t Unchecked = 0;
    static constexpr std::int16_t Checked = 1;
    static constexpr std::int16_t Grayed = 2;

    CheckBox(Form& form, const ControlDesign& design);

    const std::string& caption() const { return m_text; }
    void setCaption(std::string caption) { m_text = std::move(caption); }
    std::int16_t value() const { return m_value; }
    // Runs onClick when the value changes, set in code or by the user.
    void setValue(std::int16_t value);
    bool userClick() override;
    void restoreDesign() override;

private:
    std::int16_t m_value;
};

// Members `first` .. `first + N - 1` of a control array, addressed as the window addresses them:
// txtValCap(3). `design(index)` gives each member's design; the name's index is filled in.
template <class T, std::size_t N>
class ControlArray {
public:
    template <class DesignOf>
    ControlArray(Form& form, std::int16_t first, DesignOf design)
        : ControlArray(form, first, design, std::make_index_sequence<N>{}) {}

    T& operator()(std::int16_t index) { return m_items[static_cast<std::size_t>(index - m_first)]; }
    const T& operator()(std::int16_t index) const { return m_items[static_cast<std::size_t>(index - m_first)]; }
    std::int16_t first() const { return m_first; }
    std::int16_t last() const { return static_cast<std::int16_t>(m_first + N - 1); }
    static constexpr std::size_t size() { return N; }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }

private:
    template <class DesignOf, std::size_t... I>
    ControlArray(Form& form, std::int16_t first, DesignOf& design, std::index_sequence<I...>)
        : m_first(first), m_items{T(form, withIndex(design(static_cast<std::int16_t>(first + I)),
                                                    static_cast<std::int16_t>(first + I)))...} {}

    static ControlDesign withIndex(ControlDesign design, std::int16_t index) {
        design.index = index;
        return design;
    }

    std::int16_t m_first;
    std::array<T, N> m_items;
};

} // namespace korveld
