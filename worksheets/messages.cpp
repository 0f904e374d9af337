#include "worksheets/messages.h"

#include "engine/entry_checks.h"
#include "engine/universal_variables.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/platform.h"

namespace korveld {

void ShowMessage(Form& form, std::string text, std::string_view title) {
    Universal_Variables& uv = form.uv();
    uv.MsgText = std::move(text);
    uv.MsgTitle = title;
    uv.MsgStyle = kMsgExclamation;
    form.platform().MsgBox(uv.MsgText, uv.MsgStyle, uv.MsgTitle);
}

void RefuseEntry(TextBox& entry, std::string text, std::string_view title) {
    ShowMessage(entry.form(), std::move(text), title);
    entry.setText({});
    entry.SetFocus();
}

void ShowEntryFailure(Form& form, const EntryFailure& failure, TextBox* cleared, TextBox* focused) {
    ShowMessage(form, failure.text, failure.title);
    if (cleared != nullptr) {
        cleared->setText({});
    }
    if (focused != nullptr) {
        focused->SetFocus();
    }
}

} // namespace korveld
