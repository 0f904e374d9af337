// The capacity worksheet opened from the start screen on the recording platform and filled in as a
// user fills it in: unit, refrigerant, series, distributor, loading and the entries.
#pragma once

#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/recording_platform.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace korveld::testing {

enum Dist { kOrifice, kNone, kVenturi, kUser };

// One run of the worksheet; an entry left nullptr is not typed.
struct Setup {
    CapacityUnit unit = CapacityUnit::BtuH;
    const char* ref = "R-22";
    const char* valve = "KO/KE"; // menu caption
    Dist dist = kOrifice;
    const char* cap = nullptr; // turns loading on
    const char* evap = "40";
    const char* cond = "100";
    const char* liq = "90";
    const char* drop = nullptr;
};

struct Sheet {
    RecordingPlatform platform;
    Program program{platform};
    frmtxvCapacity* f = nullptr;

    explicit Sheet(const Setup& s) {
        program.start();
        program.selectionScreen().cmdValveCap.userClick();
        f = &program.form<frmtxvCapacity>();
        const std::array<MenuEntry*, 4> units{&f->mnuBtuHr, &f->mnuTons, &f->mnuKiloWatts, &f->mnuKiloCal};
        units[static_cast<std::size_t>(s.unit) - 1]->userPick();
        pick(s.ref);
        pick(s.valve);
        std::array<OptionButton*, 4>{&f->optDistOrifice, &f->optDistNone, &f->optDistVenturi,
                                     &f->optUserDefined}[s.dist]
            ->userClick();
        if (s.cap != nullptr) {
            f->optYES.userClick();
            f->txtSystemCapacity.userType(s.cap);
        }
        f->txtEvapTemp.userType(s.evap ? s.evap : "");
        f->txtCondTemp.userType(s.cond ? s.cond : "");
        f->txtLiqTemp.userType(s.liq ? s.liq : "");
        if (s.drop != nullptr) {
            f->txtPressureDrop.userType(s.drop);
        }
        platform.clear();
    }
    // Picks a refrigerant or a series by its menu caption; an empty one is not picked.
    void pick(std::string_view caption) {
        for (MenuEntry* menu : {&f->mnuRefrig, &f->mnuValTypes, f->pickMenus().mnuKSer, f->pickMenus().mnuVSer}) {
            for (MenuEntry* entry = menu->firstChild(); entry != nullptr; entry = entry->nextSibling()) {
                if (entry->caption() == caption) {
                    entry->userPick();
                }
            }
        }
    }
    void act(const std::function<void()>& step) { program.dispatch(step); }
    std::string title() const { return platform.messages().empty() ? "" : platform.messages().front().title; }
};

} // namespace korveld::testing
