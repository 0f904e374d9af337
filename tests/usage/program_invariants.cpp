#include "tests/usage/program_invariants.h"

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/program_messages.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace korveld::usage {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool sameLetters(std::string_view word, std::string_view lower) {
    return word.size() == lower.size() && std::equal(word.begin(), word.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

// "inf", "infinity" or "nan" as a word of its own, in any case: "Information" is fine.
bool showsNotANumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isLetter(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && isLetter(text[i])) {
            ++i;
        }
        const std::string_view word = text.substr(start, i - start);
        if (sameLetters(word, "inf") || sameLetters(word, "infinity") || sameLetters(word, "nan")) {
            return true;
        }
    }
    return false;
}

std::optional<Violation> fail(std::string rule, std::string detail) {
    return Violation{std::move(rule), std::move(detail)};
}

std::optional<Violation> oneUnitChosen(const Form& sheet, std::array<const MenuEntry*, 4> units) {
    const auto disabled = std::count_if(units.begin(), units.end(), [](const MenuEntry* e) { return !e->enabled(); });
    if (disabled != 1) {
        return fail("exactly one capacity unit disabled",
                    std::string(sheet.name()) + " has " + std::to_string(disabled));
    }
    return std::nullopt;
}

std::optional<Violation> oneOptionPerGroup(const UsageSession& session, const Form& form) {
    for (const OptionButton* first : session.groupsChosenAtLoad(form)) {
        int chosen = 0;
        for (const OptionButton* option = first; option != nullptr; option = option->nextInGroup()) {
            chosen += option->value() ? 1 : 0;
        }
        if (chosen != 1) {
            return fail("exactly one option chosen in a group that had one",
                        std::string(form.name()) + ": " + std::to_string(chosen) + " chosen in the group of " +
                            first->fullName());
        }
    }
    return std::nullopt;
}

std::optional<Violation> noInfinityShown(const UsageSession& session, const Form& form) {
    for (const Control& control : form.controls()) {
        std::string_view text;
        switch (control.kind()) {
        case ControlKind::TextBox:
            // What the user typed stays as typed; the rule is about what the program writes.
            if (session.showsWhatWasTyped(static_cast<const TextBox&>(control))) {
                continue;
            }
            text = static_cast<const TextBox&>(control).text();
            break;
        case ControlKind::Label:
            text = static_cast<const Label&>(control).caption();
            break;
        default:
            continue;
        }
        if (showsNotANumber(text)) {
            return fail("no text shows inf or nan", control.fullName() + " shows \"" + std::string(text) + "\"");
        }
    }
    return std::nullopt;
}

std::optional<Violation> capacityRows(const frmtxvCapacity& sheet) {
    std::int16_t shown = 0;
    while (shown < 12 && sheet.txtValCap(static_cast<std::int16_t>(shown + 1)).visible()) {
        ++shown;
    }
    int loadings = 0;
    for (std::int16_t i = 1; i <= 12; ++i) {
        const bool row = i <= shown;
        const TextBox& capacity = sheet.txtValCap(i);
        const TextBox& loading = sheet.txtFlowCap(i);
        if (capacity.visible() != row || capacity.text().empty() == row ||
            sheet.lblValName(i).caption().empty() == row || (loading.visible() && !row)) {
            return fail("result rows contiguous from row 1",
                        "row " + std::to_string(i) + " of " + std::to_string(shown) + " rows");
        }
        loadings += loading.visible() ? 1 : 0;
        if (row && (capacity.text().front() == '-' || (loading.visible() && loading.text().front() == '-'))) {
            return fail("no negative capacity", "row " + std::to_string(i) + " shows " + capacity.text());
        }
    }
    if (loadings != 0 && loadings != shown) {
        return fail("result rows contiguous from row 1",
                    "loading on " + std::to_string(loadings) + " of " + std::to_string(shown) + " rows");
    }
    // PRINT and the wide window come with the rows and go with them. A series and a refrigerant the
    // catalog has no size for (R-407C picked after VRD, which the worksheet accepts) rate no row:
    // the result area then opens with its headings and PRINT alone.
    const bool rated = shown > 0 || (sheet.lastRating().outcome == RatingOutcome::Rated &&
                                     sheet.lastRating().Rows().empty() && sheet.cmdPrint.visible());
    if (sheet.cmdPrint.visible() != rated || (sheet.width() == 4800) == rated) {
        return fail("PRINT and the result area shown exactly with the rows",
                    std::to_string(shown) + " rows, PRINT " + (sheet.cmdPrint.visible() ? "shown" : "hidden") +
                        ", width " + std::to_string(sheet.width()));
    }
    return std::nullopt;
}

} // namespace

std::optional<Violation> CheckInvariants(UsageSession& session) {
    if (session.applyViolation()) {
        return session.applyViolation();
    }
    const Program& program = session.program();
    RecordingPlatform& platform = session.platform();
    const auto& messages = platform.messages();
    for (std::size_t& i = session.messagesChecked(); i < messages.size(); ++i) {
        if (!IsProgramMessage(messages[i].title, messages[i].prompt, messages[i].style)) {
            return fail("every message box is the program's own", messages[i].title + " / " + messages[i].prompt +
                                                                      " / style " + std::to_string(messages[i].style));
        }
    }
    if (program.loaded(FormId::frmSelection) == nullptr) {
        return fail("the start screen stays loaded", "it is not");
    }
    const auto* results = program.loaded(FormId::frmResults);
    if (const auto* sheet = program.loaded<frmkorveld>()) {
        if (sheet->enabled() != (results == nullptr)) {
            return fail("the selection worksheet is disabled exactly while the results dialog is open",
                        std::string("worksheet ") + (sheet->enabled() ? "enabled" : "disabled") + ", results " +
                            (results == nullptr ? "closed" : "open"));
        }
        if (auto v = oneUnitChosen(*sheet, {&sheet->mnuBtu, &sheet->mnuTons, &sheet->mnuKWatts, &sheet->mnuKiloCal})) {
            return v;
        }
    } else if (results != nullptr) {
        return fail("the results dialog belongs to a loaded selection worksheet", "it is open alone");
    }
    if (const auto* sheet = program.loaded<frmtxvCapacity>()) {
        if (auto v =
                oneUnitChosen(*sheet, {&sheet->mnuBtuHr, &sheet->mnuTons, &sheet->mnuKiloWatts, &sheet->mnuKiloCal})) {
            return v;
        }
        if (auto v = capacityRows(*sheet)) {
            return v;
        }
    }
    if (const auto* dialog = static_cast<const frmResults*>(results)) {
        // OK waits for the advice timer; without the timer running the dialog could never close.
        const auto& sheet = *program.loaded<frmkorveld>();
        if (!dialog->cmdOK.enabled() && !sheet.Timer1.enabled()) {
            return fail("the results dialog can always be closed", "OK disabled and the advice timer stopped");
        }
        if (dialog->txtValSelected.text().empty()) {
            return fail("the results dialog shows the selected valve", "txtValSelected is empty");
        }
        for (const TextBox* box : {&dialog->txtValCapacity, &dialog->txtValveLoading}) {
            // The loading box is not read-only: what the user typed there is the user's.
            if (!box->text().empty() && box->text().front() == '-' && !session.showsWhatWasTyped(*box)) {
                return fail("no negative capacity", box->fullName() + " shows " + box->text());
            }
        }
    }
    for (std::size_t id = 0; id < static_cast<std::size_t>(FormId::Count); ++id) {
        if (const Form* form = program.loaded(static_cast<FormId>(id))) {
            if (auto v = oneOptionPerGroup(session, *form)) {
                return v;
            }
            if (auto v = noInfinityShown(session, *form)) {
                return v;
            }
        }
    }
    return std::nullopt;
}

} // namespace korveld::usage
