#include "tests/usage/program_snapshot.h"

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/program.h"

#include <cstdio>
#include <optional>
#include <sstream>

namespace korveld::usage {

namespace {

std::string number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

class Writer {
public:
    template <class... Parts>
    void line(const Parts&... parts) {
        ((m_out << parts << ' '), ...);
        m_out << '\n';
    }
    std::string text() const { return m_out.str(); }

private:
    std::ostringstream m_out;
};

std::string fontText(const std::optional<Font>& font) {
    return font ? std::string(font->family) + "/" + number(font->points) + (font->bold ? "/bold" : "") : "-";
}

std::string colourText(const std::optional<Colour>& colour) {
    return colour ? number(colour->red) + "," + number(colour->green) + "," + number(colour->blue) : "-";
}

void writeControl(Writer& w, const Control& control) {
    const TwipRect& r = control.rect();
    w.line(control.fullName(), "rect", r.left, r.top, r.width, r.height, "visible", control.visible(), "enabled",
           control.enabled(), "tip", std::string(control.toolTip()), "font", fontText(control.font()), "colour",
           colourText(control.foreColour()));
    switch (control.kind()) {
    case ControlKind::Label: {
        const auto& label = static_cast<const Label&>(control);
        w.line(control.fullName(), "caption", label.caption(), "align", static_cast<int>(label.alignment()));
        break;
    }
    case ControlKind::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        w.line(control.fullName(), "text", box.text(), "align", static_cast<int>(box.alignment()), "locked",
               box.locked());
        break;
    }
    case ControlKind::CommandButton:
        w.line(control.fullName(), "caption", static_cast<const CommandButton&>(control).caption());
        break;
    case ControlKind::OptionButton: {
        const auto& option = static_cast<const OptionButton&>(control);
        w.line(control.fullName(), "caption", option.caption(), "value", option.value());
        break;
    }
    case ControlKind::CheckBox: {
        const auto& box = static_cast<const CheckBox&>(control);
        w.line(control.fullName(), "caption", box.caption(), "value", box.value());
        break;
    }
    case ControlKind::Frame:
        w.line(control.fullName(), "caption", static_cast<const Frame&>(control).caption());
        break;
    }
}

void writeMenu(Writer& w, const MenuEntry& entry) {
    w.line(entry.fullName(), "caption", entry.caption(), "checked", entry.checked(), "enabled", entry.enabled(),
           "visible", entry.visible());
    for (const MenuEntry* child = entry.firstChild(); child != nullptr; child = child->nextSibling()) {
        writeMenu(w, *child);
    }
}

void writeUnits(Writer& w, const WorksheetUnits& units) {
    w.line("units", static_cast<int>(units.UnitsMetric), static_cast<int>(units.CapacityUnit),
           static_cast<int>(units.PressureUnit), units.DistUserDefined);
}

// Every value, named by a structured binding that stops compiling when a value is added.
void writeConditions(Writer& w, const char* tag, const Conditions& c) {
    const auto& [EvapTemp, CondTemp, LiqTemp, PEvap, HVap, PCond, HLiq, LiqDensity, Sensit, DistPressDrop, DeltaP,
                 MassFlow, UnitMultiplier, FlowMultiplier] = c;
    w.line(tag, number(EvapTemp), number(CondTemp), number(LiqTemp), number(PEvap), number(HVap), number(PCond),
           number(HLiq), number(LiqDensity), number(Sensit), number(DistPressDrop), number(DeltaP), number(MassFlow),
           number(UnitMultiplier), number(FlowMultiplier));
}

// Each window's run state, named by a structured binding: a member added to it stops this
// compiling until the snapshot writes it too.
void writeCapacitySheet(Writer& w, const frmtxvCapacity& sheet) {
    const auto& [RefIndex, SizeNo, RowCount, RowCapacity, DistSuffix, units, rating, locale] = sheet.run();
    w.line("RefIndex", RefIndex, "SizeNo", SizeNo, "RowCount", RowCount, "RowCapacity", number(RowCapacity),
           "DistSuffix", DistSuffix);
    writeUnits(w, units);
    w.line("rating", static_cast<int>(rating.outcome), rating.RowCount, rating.DistSuffix, number(rating.Enthalpy));
    writeConditions(w, "rated", rating.conditions);
    for (const RatingRow& row : rating.Rows()) {
        w.line("row", row.SizeNo, row.label, number(row.RowCapacity), row.loading ? number(*row.loading) : "-");
    }
    w.line("locale", locale.decimal, locale.group);
}

void writeSelectionSheet(Writer& w, const frmkorveld& sheet) {
    const auto& [SeriesNo, RefIndex, R507Flag, RefLetter, SizeNo, selectionConditions, selectedValve, selectionWindows,
                 units] = sheet.run();
    w.line("SeriesNo", SeriesNo, "RefIndex", RefIndex, "R507Flag", R507Flag, "RefLetter", RefLetter, "SizeNo", SizeNo);
    writeUnits(w, units);
    writeConditions(w, "conditions", selectionConditions);
    if (selectedValve) {
        w.line("selected", selectedValve->SizeNo, selectedValve->SelectedName, selectedValve->capacityText,
               selectedValve->loadingText);
    } else {
        w.line("selected", "-");
    }
    if (selectionWindows) {
        w.line("windows", static_cast<int>(selectionWindows->outcome), selectionWindows->selectedSize,
               selectionWindows->sizes.size(), number(selectionWindows->InputCapacity), selectionWindows->series,
               selectionWindows->refrigerant);
    } else {
        w.line("windows", "-");
    }
}

void writeVariables(Writer& w, const Universal_Variables& v) {
    writeConditions(w, "running", v.conditions);
    w.line("valve", number(v.ValConstant), v.ValName, number(v.EvapTempEntry));
    w.line("letters", v.EqualizerCode, v.ChargeCode, v.StrainerCode, number(v.BleedFraction), v.BleedOption,
           v.BleedPart, v.AdviceClear);
    w.line("advice", v.ReplaceAdvice);
    w.line("message", v.MsgTitle, v.MsgText, v.MsgStyle);
    // The help owner is a window's address: only whether it is set can be the same in two programs.
    w.line("help", v.HelpWnd != 0, v.HelpFile);
}

} // namespace

std::string SnapshotOf(const Program& program) {
    Writer w;
    for (std::size_t id = 0; id < static_cast<std::size_t>(FormId::Count); ++id) {
        const Form* form = program.loaded(static_cast<FormId>(id));
        if (form == nullptr) {
            w.line("window", id, "not loaded");
            continue;
        }
        w.line("window", id, form->name(), form->caption(), "size", form->width(), form->height(), "visible",
               form->visible(), "enabled", form->enabled(), "back", colourText(form->backColour()));
        for (const Control& control : form->controls()) {
            writeControl(w, control);
        }
        for (const MenuEntry& entry : form->menuBar()) {
            writeMenu(w, entry);
        }
        for (const Timer& timer : form->timers()) {
            w.line(timer.name(), "interval", timer.interval(), "enabled", timer.enabled());
        }
        if (id == static_cast<std::size_t>(FormId::frmtxvCapacity)) {
            writeCapacitySheet(w, static_cast<const frmtxvCapacity&>(*form));
        } else if (id == static_cast<std::size_t>(FormId::frmkorveld)) {
            writeSelectionSheet(w, static_cast<const frmkorveld&>(*form));
        }
    }
    writeVariables(w, program.uv());
    return w.text();
}

} // namespace korveld::usage
