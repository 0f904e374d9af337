// The worksheets' message boxes: the program-wide MsgText, MsgTitle and MsgStyle are set first and
// the box shows them; a message about an entry then empties the entry and gives it the focus.
#pragma once

#include <string>
#include <string_view>

namespace korveld {

struct EntryFailure;
class Form;
class TextBox;

// Style 48: an OK button and the exclamation icon.
void ShowMessage(Form& form, std::string text, std::string_view title);
// The message, then the entry emptied (its Change handler runs) and focused.
void RefuseEntry(TextBox& entry, std::string text, std::string_view title);
// A failed entry check: its message, then the entry it names emptied and the one it names focused
// (nullptr: none).
void ShowEntryFailure(Form& form, const EntryFailure& failure, TextBox* cleared, TextBox* focused);

} // namespace korveld
