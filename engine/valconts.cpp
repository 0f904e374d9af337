#include "valconts.h"

#include <array>
#include <span>

namespace korveld {
namespace {

struct SizeRow {
    float constant;
    std::array<std::string_view, 9> names; // by RefIndex 1..9
};

struct FixedSizeRow {
    float constant;
    std::string_view name;
};

// clang-format off
constexpr FixedSizeRow kNYF[] = {
    {0.015154f,  "NYF 1"},  // size 1
    {0.019632f,  "NYF 2"},  // size 2
    {0.031342f,  "NYF 3"},  // size 3
    {0.044775f,  "NYF 4"},  // size 4
    {0.067506f,  "NYF 5"},  // size 5
    {0.09196f,   "NYF 6"},  // size 6
    {0.11297f,   "NYF 7"},  // size 7
    {0.12916f,   "NYF 8"},  // size 8
    {0.18323f,   "NYF 9"},  // size 9
};

constexpr SizeRow kKO[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.011366f,  {"1/8",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/8",   "1/4"}},  // size 1
    {0.019976f,  {"1/4",   "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1/4",   "1/2"}},  // size 2
    {0.032031f,  {"1/2",   "1",     "3/4",   "3/4",   "3/4",   "3/4",   "3/4",   "1/2",   "3/4"}},  // size 3
    {0.045808f,  {"1",     "1-1/2", "1",     "1",     "1",     "1",     "1",     "1",     "1-1/4"}},  // size 4
    {0.067506f,  {"",      "2",     "1-1/2", "1-1/2", "1-1/4", "1-1/4", "1-1/2", "",      "2"}},  // size 5
    {0.094716f,  {"1-1/2", "2-1/2", "2",     "2",     "2",     "2",     "2",     "1-1/2", "2-1/2"}},  // size 6
    {0.11607f,   {"2",     "3",     "2-1/2", "2-1/2", "2-1/4", "2-1/4", "2-1/2", "2",     "3-1/4"}},  // size 7
    {0.13777f,   {"2-1/2", "4",     "3",     "3",     "2-1/2", "2-1/2", "3",     "2-1/2", "4"}},  // size 8
    {0.1884f,    {"3",     "5",     "4",     "4-1/2", "3-1/2", "3-1/2", "4-1/4", "3-1/2", "5-1/4"}},  // size 9
};

constexpr SizeRow kKOD[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.011366f,  {"",      "1/4",   "",      "",      "",      "",      "",      "",      "1/4"}},  // size 1
    {0.019976f,  {"",      "1/2",   "",      "",      "",      "",      "",      "",      "1/2"}},  // size 2
    {0.032031f,  {"",      "1",     "",      "",      "",      "",      "",      "",      "3/4"}},  // size 3
    {0.045808f,  {"",      "1-1/2", "",      "",      "",      "",      "",      "",      "1-1/4"}},  // size 4
    {0.067506f,  {"",      "2",     "",      "",      "",      "",      "",      "",      "2"}},  // size 5
    {0.094716f,  {"",      "2-1/2", "",      "",      "",      "",      "",      "",      "2-1/2"}},  // size 6
    {0.11607f,   {"",      "3",     "",      "",      "",      "",      "",      "",      "3-1/4"}},  // size 7
    {0.13777f,   {"",      "4",     "",      "",      "",      "",      "",      "",      "4"}},  // size 8
    {0.1884f,    {"",      "5",     "",      "",      "",      "",      "",      "",      "5-1/4"}},  // size 9
};

constexpr SizeRow kKOT[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.011366f,  {"1/8",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/8",   ""}},  // size 1
    {0.019976f,  {"1/4",   "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1/4",   ""}},  // size 2
    {0.032031f,  {"1/2",   "1",     "3/4",   "3/4",   "3/4",   "3/4",   "3/4",   "1/2",   ""}},  // size 3
    {0.045808f,  {"1",     "1-1/2", "1",     "1",     "1",     "1",     "1",     "1",     ""}},  // size 4
    {0.067506f,  {"",      "2",     "1-1/2", "1-1/2", "1-1/4", "1-1/4", "1-1/2", "",      ""}},  // size 5
    {0.094716f,  {"1-1/2", "2-1/2", "2",     "2",     "2",     "2",     "2",     "1-1/2", ""}},  // size 6
    {0.11607f,   {"2",     "3",     "2-1/2", "2-1/2", "2-1/4", "2-1/4", "2-1/2", "2",     ""}},  // size 7
    {0.13777f,   {"2-1/2", "4",     "3",     "3",     "2-1/2", "2-1/2", "3",     "2-1/2", ""}},  // size 8
    {0.1884f,    {"3",     "5",     "4",     "4-1/2", "3-1/2", "3-1/2", "4-1/4", "3-1/2", ""}},  // size 9
};

constexpr SizeRow kKUBS[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.011366f,  {"",      "",      "",      "",      "",      "",      "",      "",      "1/4"}},  // size 1
    {0.019976f,  {"",      "",      "",      "",      "",      "",      "",      "",      "1/2"}},  // size 2
    {0.032031f,  {"1/2",   "1",     "3/4",   "3/4",   "3/4",   "3/4",   "3/4",   "1/2",   "3/4"}},  // size 3
    {0.045808f,  {"1",     "1-1/2", "1",     "1",     "1",     "1",     "1",     "1",     "1-1/4"}},  // size 4
    {0.067506f,  {"",      "2",     "1-1/2", "1-1/2", "1-1/4", "1-1/4", "1-1/2", "",      "2"}},  // size 5
    {0.094716f,  {"1-1/2", "2-1/2", "2",     "2",     "2",     "2",     "2",     "1-1/2", "2-1/2"}},  // size 6
    {0.11607f,   {"2",     "3",     "2-1/2", "2-1/2", "2-1/4", "2-1/4", "2-1/2", "2",     "3-1/4"}},  // size 7
    {0.13777f,   {"2-1/2", "4",     "3",     "3",     "2-1/2", "2-1/2", "3",     "2-1/2", "4"}},  // size 8
    {0.1884f,    {"3",     "5",     "4",     "4-1/2", "3-1/2", "3-1/2", "4-1/4", "3-1/2", "5-1/4"}},  // size 9
};

constexpr SizeRow kKIM[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.011366f,  {"1/8",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/8",   ""}},  // size 1
    {0.019976f,  {"1/4",   "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1/4",   ""}},  // size 2
    {0.032031f,  {"1/2",   "1",     "3/4",   "3/4",   "3/4",   "3/4",   "3/4",   "1/2",   ""}},  // size 3
    {0.045808f,  {"1",     "1-1/2", "1",     "1",     "1",     "1",     "1",     "1",     ""}},  // size 4
    {0.067506f,  {"",      "2",     "1-1/2", "1-1/2", "1-1/4", "1-1/4", "1-1/2", "",      ""}},  // size 5
    {0.094716f,  {"1-1/2", "2-1/2", "2",     "2",     "2",     "2",     "2",     "1-1/2", ""}},  // size 6
    {0.11607f,   {"2",     "3",     "2-1/2", "2-1/2", "2-1/4", "2-1/4", "2-1/2", "2",     ""}},  // size 7
    {0.13777f,   {"",      "",      "3",     "3",     "2-1/2", "2-1/2", "3",     "",      ""}},  // size 8
    {0.1884f,    {"3",     "5",     "4",     "4-1/2", "3-1/2", "3-1/2", "4-1/4", "3",     ""}},  // size 9
};

constexpr FixedSizeRow kOBN[] = {
    {0.024109f,  "OBN 1"},  // size 1
    {0.05063f,   "OBN 2"},  // size 2
    {0.096438f,  "OBN 4"},  // size 3
    {0.1481f,    "OBN 6"},  // size 4
    {0.19632f,   "OBN 8"},  // size 5
    {0.24109f,   "OBN 10"},  // size 6
};

constexpr SizeRow kQZ[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.0096438f, {"1/8",   "1/4",   "1/4",   "1/4",   "1/4",   "1/8",   "1/4",   "1/8",   ""}},  // size 1
    {0.018254f,  {"1/4",   "1/2",   "1/2",   "1/2",   "1/2",   "1/4",   "1/2",   "1/4",   ""}},  // size 2
    {0.03272f,   {"1/2",   "1",     "3/4",   "3/4",   "3/4",   "1/2",   "3/4",   "1/2",   ""}},  // size 3
    {0.049941f,  {"1",     "1-1/2", "1",     "1",     "1",     "1",     "1",     "1",     ""}},  // size 4
    {0.067162f,  {"1-1/4", "2",     "1-1/2", "1-1/2", "1-1/4", "1-1/4", "1-1/2", "1-1/4", ""}},  // size 5
    {0.086105f,  {"1-1/2", "2-1/2", "1-3/4", "2",     "1-1/2", "1-1/2", "2",     "1-1/2", ""}},  // size 6
    {0.11366f,   {"2",     "3",     "2-1/2", "2-1/2", "2",     "2",     "2-1/2", "2",     ""}},  // size 7
    {0.20217f,   {"3-1/2", "5-1/2", "4",     "4-1/2", "4",     "3-1/2", "4-1/2", "3-1/2", ""}},  // size 8
    {0.28139f,   {"5",     "8",     "6",     "6-1/2", "5-1/2", "5",     "6-1/2", "5",     ""}},  // size 9
    {0.35613f,   {"6",     "10",    "7-1/2", "8",     "7",     "7",     "8",     "7",     ""}},  // size 10
    {0.52834f,   {"9",     "15",    "11",    "12",    "10",    "10",    "12",    "10",    ""}},  // size 11
    {0.69538f,   {"12",    "20",    "14",    "16",    "13",    "13",    "16",    "13",    ""}},  // size 12
};

constexpr FixedSizeRow kDQQ[] = {
    {0.006544f,  "DQQ 1/2"},  // size 1
    {0.012744f,  "DQQ 3/4"},  // size 2
    {0.023765f,  "DQQ 1"},  // size 3
    {0.028242f,  "DQQ 1-1/2"},  // size 4
    {0.045463f,  "DQQ 2"},  // size 5
    {0.066129f,  "DQQ 3-1/2"},  // size 6
    {0.074395f,  "DQ 5"},  // size 7
    {0.09196f,   "DQ 6"},  // size 8
};

constexpr SizeRow kGL[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.0172221f, {"1/4",   "1/2",   "1/2",   "1/2",   "1/4",   "1/4",   "1/2",   "1/4",   ""}},  // size 1
    {0.03272f,   {"1/2",   "1",     "3/4",   "3/4",   "1/2",   "1/2",   "3/4",   "1/2",   ""}},  // size 2
    {0.050974f,  {"1",     "1-1/2", "1",     "1",     "1",     "1",     "1",     "1",     ""}},  // size 3
    {0.068195f,  {"1-1/4", "2",     "1-1/2", "1-1/2", "1-1/4", "1-1/4", "1-1/2", "1-1/4", ""}},  // size 4
    {0.086105f,  {"1-1/2", "2-1/2", "2",     "2",     "1-3/4", "1-1/2", "2",     "1-1/2", ""}},  // size 5
    {0.10436f,   {"2",     "3",     "2-1/4", "2-1/2", "2",     "2",     "2-1/2", "2",     ""}},  // size 6
    {0.13501f,   {"2-1/2", "4",     "3",     "3",     "2-1/2", "2-1/2", "3",     "2-1/2", ""}},  // size 7
    {0.17083f,   {"3",     "5",     "3-1/2", "4",     "3-1/2", "3",     "4",     "3",     ""}},  // size 8
    {0.212507f,  {"3-1/2", "6",     "4-1/4", "4-3/4", "4",     "4",     "4-3/4", "4",     ""}},  // size 9
};

constexpr SizeRow kVA[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.01021f,   {"1/6",   "1/3",   "1/8",   "1/8",   "1/8",   "1/8",   "1/8",   "1/8",   "1/4"}},  // size 1
    {0.027554f,  {"1/3",   "3/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/4",   "1/2"}},  // size 2
    {0.044775f,  {"1/2",   "1",     "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1/2",   "1"}},  // size 3
    {0.072328f,  {"1",     "2",     "3/4",   "1",     "3/4",   "1",     "1",     "1",     "1-1/2"}},  // size 4
    {0.12055f,   {"1-1/2", "3",     "1",     "1-1/2", "1-1/4", "1-1/2", "1-1/2", "1-1/2", "2-1/2"}},  // size 5
    {0.14466f,   {"2",     "4",     "1-1/4", "2",     "1-1/2", "2",     "2",     "2",     "3"}},  // size 6
    {0.16877f,   {"2-1/2", "5",     "1-1/2", "2-1/4", "2",     "2-1/4", "2-1/2", "2-1/4", "3-1/4"}},  // size 7
};

constexpr SizeRow kVULK[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.40642f,   {"7-1/2", "10",    "9",     "10",    "8",     "8",     "10",    "8",     ""}},  // size 1
    {0.5924f,    {"10",    "15",    "13",    "14",    "12",    "12",    "14",    "12",    ""}},  // size 2
    {0.66129f,   {"12",    "20",    "14",    "16",    "13",    "14",    "16",    "14",    ""}},  // size 3
    {1.0023f,    {"18",    "30",    "22",    "24",    "20",    "20",    "24",    "20",    ""}},  // size 4
    {1.3777f,    {"25",    "40",    "30",    "33",    "28",    "30",    "33",    "30",    ""}},  // size 5
    {1.8599f,    {"30",    "50",    "40",    "44",    "37",    "35",    "35",    "35",    ""}},  // size 6
    {2.0286f,    {"35",    "60",    "45",    "50",    "40",    "40",    "40",    "40",    ""}},  // size 7
    {2.4144f,    {"40",    "70",    "50",    "60",    "50",    "50",    "50",    "50",    ""}},  // size 8
};

constexpr SizeRow kVMP[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.017221f,  {"1/4",   "1/2",   "1/4",   "1/4",   "1/4",   "1/4",   "1/2",   "1/4",   ""}},  // size 1
    {0.032376f,  {"1/2",   "1",     "3/4",   "3/4",   "1/2",   "1/2",   "3/4",   "1/2",   ""}},  // size 2
    {0.06544f,   {"1",     "2",     "1-1/2", "1-1/2", "1-1/4", "1",     "1-1/2", "1",     ""}},  // size 3
    {0.12055f,   {"2",     "3",     "2-1/2", "3",     "2-1/4", "2",     "3",     "2",     ""}},  // size 4
    {0.17565f,   {"3",     "5",     "3-1/2", "4",     "3",     "3",     "4",     "3",     ""}},  // size 5
    {0.25487f,   {"4",     "7-1/2", "5-1/2", "6",     "5",     "4-1/2", "6",     "4-1/2", ""}},  // size 6
    {0.35131f,   {"6-1/2", "10",    "7-1/2", "8",     "7",     "7",     "8",     "7",     ""}},  // size 7
    {0.42364f,   {"7-1/2", "12",    "9",     "10",    "8",     "8",     "10",    "8",     ""}},  // size 8
};

constexpr SizeRow kVRK[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.37542f,   {"7",     "11",    "9",     "9",     "7",     "7",     "8",     "7",     ""}},  // size 1
    {0.47874f,   {"8",     "14",    "11",    "11",    "9",     "9",     "11",    "9",     ""}},  // size 2
};

constexpr SizeRow kVRD[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.5063f,    {"8",     "14",    "11",    "12",    "11",    "9",     "11",    "9",     ""}},  // size 1
    {0.60618f,   {"11",    "18",    "13",    "14",    "14",    "12",    "14",    "12",    ""}},  // size 2
};

constexpr SizeRow kVOS[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {0.75772f,   {"13",    "22",    "16",    "17",    "14",    "14",    "17",    "14",    ""}},  // size 1
    {0.89549f,   {"15",    "26",    "19",    "20",    "17",    "16",    "20",    "16",    ""}},  // size 2
    {1.2055f,    {"20",    "35",    "25",    "26",    "22",    "21",    "26",    "21",    ""}},  // size 3
    {1.5499f,    {"25",    "45",    "31",    "33",    "28",    "27",    "32",    "27",    ""}},  // size 4
};

constexpr SizeRow kVAN[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {1.8943f,    {"35",    "55",    "45",    "45",    "39",    "37",    "45",    "37",    ""}},  // size 1
};

constexpr SizeRow kVEB[] = {
    //           R-12     R-22     R-134a   R-401A   R-402A   R-404A   R-402B   R-502/7  R-407C
    {2.5832f,    {"45",    "75",    "55",    "60",    "50",    "48",    "58",    "48",    ""}},  // size 1
    {3.4442f,    {"55",    "100",   "68",    "72",    "60",    "60",    "70",    "60",    ""}},  // size 2
};

// Bleed table A (KO, KOD, KOT, KIM): by BleedOption, then SizeNo 1..10. Empty where the
// bleed is not made for that size.
constexpr std::array<std::array<std::string_view, 10>, kBleedOptionCount> kBleedA{{
    //  size 1  2        3        4        5        6        7        8        9        10
    {"K10A",  "K10B",  "K10C",  "K10D",  "K10E",  "K10F",  "K10GH", "K10HH", "K10IH", "K10JH"},  // 10 %
    {"K15A",  "K15B",  "K15C",  "K15D",  "K15E",  "K15F",  "K15GH", "K15HH", "K15IH", "K15JH"},  // 15 %
    {"K20A",  "K20B",  "K20C",  "K20D",  "K20E",  "K20F",  "K20GH", "K20HH", "K20IH", "K20JH"},  // 20 %
    {"K25A",  "K25B",  "K25C",  "K25D",  "K25E",  "K25F",  "K25GH", "K25HH", "K25IH", "K25JH"},  // 25 %
    {"K30A",  "K30B",  "K30C",  "K30D",  "K30E",  "K30F",  "K30GH", "K30HH", "K30IH", ""},  // 30 %
    {"",      "K40B",  "K40C",  "K40D",  "K40E",  "K40F",  "K40GH", "K40HH", "K40IH", ""},  // 40 %
    {"",      "",      "K50C",  "K50D",  "K50E",  "K50F",  "K50GH", "K50HH", "K50IH", ""},  // 50 %
}};

// Bleed table B (GL): by BleedOption, then SizeNo 1..9.
constexpr std::array<std::array<std::string_view, 9>, kBleedOptionCount> kBleedB{{
    //  size 1  2        3        4        5        6        7        8        9
    {"G10A",  "G10B",  "G10C",  "G10D",  "G10E",  "G10F",  "G10GH", "G10HH", "G10IH"},  // 10 %
    {"G15A",  "G15B",  "G15C",  "G15D",  "G15E",  "G15F",  "G15GH", "G15HH", "G15IH"},  // 15 %
    {"G20A",  "G20B",  "G20C",  "G20D",  "G20E",  "G20F",  "G20GH", "G20HH", "G20IH"},  // 20 %
    {"G25A",  "G25B",  "G25C",  "G25D",  "G25E",  "G25F",  "G25GH", "G25HH", "G25IH"},  // 25 %
    {"G30A",  "G30B",  "G30C",  "G30D",  "G30E",  "G30F",  "G30GH", "G30HH", "G30IH"},  // 30 %
    {"",      "G40B",  "G40C",  "G40D",  "G40E",  "G40F",  "G40GH", "G40HH", "G40IH"},  // 40 %
    {"",      "",      "G50C",  "G50D",  "G50E",  "G50F",  "G50GH", "G50HH", "G50IH"},  // 50 %
}};

// Cage assembly parts by size.
constexpr std::string_view kCageVMP[] = {"XCVMP-01", "XCVMP-02", "XCVMP-03", "XCVMP-04",
                                         "XCVMP-05", "XCVMP-06", "XCVMP-07", "XCVMP-08"};
constexpr std::string_view kCageVRK[] = {"XCVRK-1", "XCVRK-2"};
constexpr std::string_view kCageVRD[] = {"XCVRD-1", "XCVRD-2"};
constexpr std::string_view kCageVOS[] = {"XCVOS-1", "XCVOS-2", "XCVOS-3", "XCVOS-4"};
constexpr std::string_view kCageVAN[] = {"XCVAN-01"};
constexpr std::string_view kCageVEB[] = {"XCVEB-001", "XCVEB-002"};

constexpr std::string_view kPowerBase1 = "XP1440"; // VMP, VRK, VRD
constexpr std::string_view kPowerBase2 = "XP250";  // VOS, VAN, VEB

constexpr std::array<SeriesInfo, kSeriesCount> kSeries{{
    // No  code    menu       N   fixed  Sensit  bleed           assemblies
    {1,  "NYF",  "NYF",      9,  true,  false, BleedTable::None, false},
    {2,  "KO",   "KO/KE",    9,  false, true,  BleedTable::A,    false},
    {3,  "KOD",  "KOD/KEWS", 9,  false, true,  BleedTable::A,    false},
    {4,  "KOT",  "KOT",      9,  false, true,  BleedTable::A,    false},
    {5,  "KUBS", "",         9,  false, true,  BleedTable::None, false},
    {6,  "KIM",  "KIM",      9,  false, true,  BleedTable::A,    false},
    {7,  "OBN",  "OBN",      6,  true,  false, BleedTable::None, false},
    {8,  "QZ",   "QZ",       12, false, true,  BleedTable::None, false},
    {9,  "DQQ",  "DQQ/DQ",   8,  true,  false, BleedTable::None, false},
    {10, "GL",   "G/GY",     9,  false, true,  BleedTable::B,    false},
    {11, "VA",   "VA",       7,  false, true,  BleedTable::None, false},
    {12, "VULK", "VULK",     8,  false, true,  BleedTable::None, false},
    {13, "VMP",  "VMP",      8,  false, true,  BleedTable::None, true},
    {14, "VRK",  "VRK",      2,  false, true,  BleedTable::None, true},
    {15, "VRD",  "VRD",      2,  false, true,  BleedTable::None, true},
    {16, "VOS",  "VOS",      4,  false, true,  BleedTable::None, true},
    {17, "VAN",  "VAN",      1,  false, true,  BleedTable::None, true},
    {18, "VEB",  "VEB",      2,  false, true,  BleedTable::None, true},
}};
// clang-format on

constexpr SeriesInfo kNoSeries{0, "", "", 0, false, false, BleedTable::None, false};

bool inCatalog(std::int16_t index, std::size_t count) {
    return index >= 1 && static_cast<std::size_t>(index) <= count;
}

template <const auto& Rows>
CatalogSize perRefrigerantSize(std::int16_t SizeNo, std::int16_t RefIndex) {
    if (!inCatalog(SizeNo, std::size(Rows)) || !inCatalog(RefIndex, 9)) {
        return {};
    }
    const SizeRow& row = Rows[SizeNo - 1];
    return {row.constant, row.names[static_cast<std::size_t>(RefIndex - 1)]};
}

template <const auto& Rows>
CatalogSize fixedNameSize(std::int16_t SizeNo, std::int16_t /*RefIndex*/) {
    if (!inCatalog(SizeNo, std::size(Rows))) {
        return {};
    }
    return {Rows[SizeNo - 1].constant, Rows[SizeNo - 1].name};
}

// The procedures in the form the rating calls them, writing the constant and the name.
template <CatalogLookup Lookup>
void writeSize(std::int16_t SizeNo, std::int16_t RefIndex, float& ValConstant, std::string& ValName) {
    const CatalogSize size = Lookup(SizeNo, RefIndex);
    ValConstant = size.ValConstant;
    ValName = size.ValName;
}

// clang-format off
constexpr std::array<CatalogLookup, kSeriesCount> kLookups{
    fixedNameSize<kNYF>,      perRefrigerantSize<kKO>,   perRefrigerantSize<kKOD>, perRefrigerantSize<kKOT>,
    perRefrigerantSize<kKUBS>, perRefrigerantSize<kKIM>, fixedNameSize<kOBN>,       perRefrigerantSize<kQZ>,
    fixedNameSize<kDQQ>,      perRefrigerantSize<kGL>,   perRefrigerantSize<kVA>,  perRefrigerantSize<kVULK>,
    perRefrigerantSize<kVMP>, perRefrigerantSize<kVRK>,  perRefrigerantSize<kVRD>, perRefrigerantSize<kVOS>,
    perRefrigerantSize<kVAN>, perRefrigerantSize<kVEB>,
};

constexpr std::array<CatalogProcedure, kSeriesCount> kProcedures{
    writeSize<kLookups[0]>,  writeSize<kLookups[1]>,  writeSize<kLookups[2]>,  writeSize<kLookups[3]>,
    writeSize<kLookups[4]>,  writeSize<kLookups[5]>,  writeSize<kLookups[6]>,  writeSize<kLookups[7]>,
    writeSize<kLookups[8]>,  writeSize<kLookups[9]>,  writeSize<kLookups[10]>, writeSize<kLookups[11]>,
    writeSize<kLookups[12]>, writeSize<kLookups[13]>, writeSize<kLookups[14]>, writeSize<kLookups[15]>,
    writeSize<kLookups[16]>, writeSize<kLookups[17]>,
};
// clang-format on

template <std::size_t Sizes>
void bleedPart(const std::array<std::array<std::string_view, Sizes>, kBleedOptionCount>& table, std::int16_t SizeNo,
               std::int16_t BleedOption, std::string& BleedPart) {
    if (!inCatalog(BleedOption, kBleedOptionCount) || !inCatalog(SizeNo, Sizes)) {
        return;
    }
    BleedPart = table[static_cast<std::size_t>(BleedOption - 1)][static_cast<std::size_t>(SizeNo - 1)];
}

} // namespace

const SeriesInfo& Series(std::int16_t SeriesNo) {
    return inCatalog(SeriesNo, kSeries.size()) ? kSeries[static_cast<std::size_t>(SeriesNo - 1)] : kNoSeries;
}

CatalogProcedure ValveDataProcedure(std::int16_t SeriesNo) {
    return inCatalog(SeriesNo, kProcedures.size()) ? kProcedures[static_cast<std::size_t>(SeriesNo - 1)] : nullptr;
}

CatalogLookup CatalogLookupOf(std::int16_t SeriesNo) {
    return inCatalog(SeriesNo, kLookups.size()) ? kLookups[static_cast<std::size_t>(SeriesNo - 1)] : nullptr;
}

void ValveData(std::int16_t SeriesNo, std::int16_t SizeNo, std::int16_t RefIndex, float& ValConstant,
               std::string& ValName) {
    if (CatalogProcedure procedure = ValveDataProcedure(SeriesNo)) {
        procedure(SizeNo, RefIndex, ValConstant, ValName);
    } else {
        ValConstant = 0.0f;
        ValName.clear();
    }
}

void BleedPartA(std::int16_t SizeNo, std::int16_t BleedOption, std::string& BleedPart) {
    bleedPart(kBleedA, SizeNo, BleedOption, BleedPart);
}

void BleedPartB(std::int16_t SizeNo, std::int16_t BleedOption, std::string& BleedPart) {
    bleedPart(kBleedB, SizeNo, BleedOption, BleedPart);
}

std::string_view CagePart(std::int16_t SeriesNo, std::int16_t SizeNo) {
    std::span<const std::string_view> cages;
    switch (SeriesNo) {
    case 13:
        cages = kCageVMP;
        break;
    case 14:
        cages = kCageVRK;
        break;
    case 15:
        cages = kCageVRD;
        break;
    case 16:
        cages = kCageVOS;
        break;
    case 17:
        cages = kCageVAN;
        break;
    case 18:
        cages = kCageVEB;
        break;
    default:
        return {};
    }
    return inCatalog(SizeNo, cages.size()) ? cages[static_cast<std::size_t>(SizeNo - 1)] : std::string_view{};
}

std::string_view PowerBase(std::int16_t SeriesNo) {
    if (SeriesNo >= 13 && SeriesNo <= 15) {
        return kPowerBase1;
    }
    if (SeriesNo >= 16 && SeriesNo <= 18) {
        return kPowerBase2;
    }
    return {};
}

} // namespace korveld
