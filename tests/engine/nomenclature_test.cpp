#include "engine/nomenclature.h"
#include "tests/support/named_rows.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer

// ---- Letters read from the options, with the per-series overrides ----

struct LetterCase {
    const char* name;
    LetterInputs in;
    const char* equalizer;
    const char* connection;
};

class Letters : public ::testing::TestWithParam<LetterCase> {};

TEST_P(Letters, ReadTheOptionsThenTheOverrides) {
    const LetterCase& row = GetParam();
    const NameLetters letters = NameLettersFor(row.in);
    EXPECT_EQ(letters.EqualizerCode, row.equalizer);
    EXPECT_EQ(letters.ConnectionCode, row.connection);
}

// clang-format off
//                           SeriesNo eqVisible external connVisible sweat previous
INSTANTIATE_TEST_SUITE_P(Series, Letters, ::testing::Values(
    LetterCase{"KIM_external_sweat",    {6,  true,  true,  true,  true,  ""},  "E", "S"},
    LetterCase{"KIM_internal_flare",    {6,  true,  false, true,  false, "E"}, "",  ""},
    LetterCase{"KO_drops_connection",   {2,  true,  true,  true,  true,  ""},  "E", ""},
    LetterCase{"KOD_drops_connection",  {3,  true,  true,  true,  true,  ""},  "E", ""},
    LetterCase{"KOT_drops_connection",  {4,  true,  false, true,  true,  ""},  "",  ""},
    LetterCase{"VMP_drops_connection",  {13, true,  true,  true,  true,  ""},  "E", ""},
    LetterCase{"VA_keeps_both",         {11, true,  true,  true,  true,  ""},  "E", "S"},
    LetterCase{"GL_keeps_its_letter",   {10, true,  true,  true,  true,  ""},  "E", "S"},
    LetterCase{"VULK_no_letters",       {12, true,  true,  true,  true,  "E"}, "",  ""},
    LetterCase{"VRK_no_letters",        {14, true,  true,  true,  true,  ""},  "",  ""},
    LetterCase{"VEB_no_letters",        {18, true,  true,  true,  true,  ""},  "",  ""},
    LetterCase{"hidden_keeps_previous", {8,  false, true,  false, true,  "E"}, "E", ""},
    LetterCase{"DQQ_hidden_keeps",      {9,  false, true,  true,  true,  "E"}, "E", "S"},
    LetterCase{"NYF_hidden_no_leak",    {1,  false, true,  true,  true,  "E"}, "",  ""},
    LetterCase{"NYF_shown_external",    {1,  true,  true,  true,  true,  ""},  "E", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Names ----

struct NameCase {
    const char* name;
    NameParts parts;
    const char* expected;
};

class Names : public ::testing::TestWithParam<NameCase> {};

TEST_P(Names, JoinTheElementsAsTheCatalogOrdersThem) {
    EXPECT_EQ(SelectedName(GetParam().parts), GetParam().expected);
}

// clang-format off
//                     SeriesNo text    Eq   Conn Strainer Size ValName  Letter Charge BleedPart
INSTANTIATE_TEST_SUITE_P(Examples, Names, ::testing::Values(
    NameCase{"KO_trailing_space",  {2,  "KO",   "E", "",  "",  4,  "1-1/2", "H", "W35", ""},      "KOE - 1-1/2 - HW35 "},
    NameCase{"KO_with_bleed",      {2,  "KO",   "",  "",  "",  1,  "1/4",   "H", "C",   "XB20"},  "KO - 1/4 - HC XB20"},
    NameCase{"GL_bleed_series",    {10, "GL",   "E", "S", "",  3,  "1-1/2", "H", "W65", ""},      "GLES - 1-1/2 - HW65 "},
    NameCase{"QZ_strainer",        {8,  "QZ",   "E", "S", "C", 3,  "3",     "S", "C",   "XB20"},  "QZESC - 3 - SC"},
    NameCase{"VRK",                {14, "VRK",  "",  "",  "",  2,  "2",     "H", "W35", ""},      "VRK - 2 - HW35"},
    NameCase{"VA_connection_first",{11, "VA",   "E", "S", "",  3,  "1",     "H", "W",   ""},      "VASE - 1 - HW"},
    NameCase{"KIM_equalizer_first",{6,  "KIM",  "E", "S", "",  3,  "1",     "H", "C",   ""},      "KIMES - 1 - HC "},
    NameCase{"NYF_size_number",    {1,  "NYF",  "E", "",  "",  4,  "NYF 4", "H", "C",   ""},      "NYFE 4"},
    NameCase{"OBN_name_alone",     {7,  "OBN",  "E", "S", "",  3,  "OBN 4", "H", "C",   ""},      "OBN 4"},
    NameCase{"DQQ_name_alone",     {9,  "DQQ/DQ", "", "", "",  7,  "DQ 5",  "R", "C",   ""},      "DQ 5"},
    NameCase{"VMP_external",       {13, "VMP",  "E", "",  "",  8,  "9",     "M", "W15", ""},      "VMPE - 9 - MW15"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Forced options and assemblies ----

TEST(ForcedOptionsOfSeries, OverridesAndQZLargeSizes) {
    ForcedOptions gl;
    SeriesOverrideOptions(10, gl);
    ASSERT_EQ(gl.steps().size(), 2u);
    EXPECT_EQ(gl.steps()[0], (ForcedOption{ForcedControl::optInternal, false, false}));
    EXPECT_EQ(gl.steps()[1], (ForcedOption{ForcedControl::optExternal, true, true}));
    for (std::int16_t series : std::initializer_list<std::int16_t>{1, 2, 3, 4, 6, 7, 8, 9, 11, 13}) {
        ForcedOptions none;
        SeriesOverrideOptions(series, none);
        EXPECT_TRUE(none.steps().empty()) << series;
    }
    for (std::int16_t series : std::initializer_list<std::int16_t>{12, 14, 15, 16, 17, 18}) {
        ForcedOptions forced;
        SeriesOverrideOptions(series, forced);
        EXPECT_EQ(forced.steps().size(), 2u) << series;
    }
    for (std::int16_t size = 1; size <= 12; ++size) {
        ForcedOptions qz;
        QZLargeSizeOptions(8, size, qz);
        EXPECT_EQ(qz.steps().size(), size >= 9 ? 4u : 0u) << size;
        EXPECT_EQ(qz.chosenAfter(ForcedControl::optFlare, true), size < 9) << size;
        EXPECT_EQ(qz.chosenAfter(ForcedControl::optSweat, false), size >= 9) << size;
    }
    ForcedOptions notQZ;
    QZLargeSizeOptions(13, 9, notQZ);
    EXPECT_TRUE(notQZ.steps().empty());
}

TEST(AssembliesOfSeries, PowerAndCageForSeries13To18Only) {
    const Assemblies vmp = AssembliesFor(13, 8, "H", "W35", false);
    EXPECT_TRUE(vmp.shown);
    EXPECT_EQ(vmp.power, "XP1440 - HW35");
    EXPECT_EQ(vmp.cage, "XCVMP-08B");
    EXPECT_EQ(AssembliesFor(13, 1, "H", "C", true).cage, "XCVMP-01A");
    EXPECT_EQ(AssembliesFor(17, 1, "S", "W45", false).power, "XP250 - SW45");
    EXPECT_EQ(AssembliesFor(17, 1, "S", "W45", false).cage, "XCVAN-01B");
    const Assemblies ko = AssembliesFor(2, 4, "H", "W35", false);
    EXPECT_FALSE(ko.shown);
    EXPECT_EQ(ko.power, "");
    EXPECT_EQ(ko.cage, "");
}

} // namespace
} // namespace korveld
