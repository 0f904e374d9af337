#include "engine/valconts.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace korveld {
namespace {

std::vector<std::string> namesOf(std::int16_t SeriesNo, std::int16_t RefIndex) {
    std::vector<std::string> names;
    float constant = 0;
    std::string name;
    for (std::int16_t size = 1; size <= Series(SeriesNo).sizeCount; ++size) {
        ValveData(SeriesNo, size, RefIndex, constant, name);
        names.push_back(name);
    }
    return names;
}

int offeredSizes(std::int16_t SeriesNo, std::int16_t RefIndex) {
    int offered = 0;
    for (const std::string& name : namesOf(SeriesNo, RefIndex)) {
        offered += name.empty() ? 0 : 1;
    }
    return offered;
}

TEST(Catalog, NoSeriesOutsideOneToEighteen) {
    EXPECT_EQ(CatalogLookupOf(0), nullptr);
    EXPECT_EQ(CatalogLookupOf(kSeriesCount + 1), nullptr);
    EXPECT_EQ(ValveDataProcedure(0), nullptr);
    EXPECT_EQ(ValveDataProcedure(kSeriesCount + 1), nullptr);
}

TEST(Catalog, OnlyKoKodKubsAndVaOfferR407C) {
    std::set<std::int16_t> offering;
    for (std::int16_t no = 1; no <= kSeriesCount; ++no) {
        if (!Series(no).fixedNames && offeredSizes(no, 9) > 0) {
            offering.insert(no);
        }
    }
    EXPECT_EQ(offering, (std::set<std::int16_t>{2, 3, 5, 11}));
}

TEST(Catalog, FixedNamesIgnoreTheRefrigerant) {
    for (const std::int16_t no : std::initializer_list<std::int16_t>{1, 7, 9}) {
        for (std::int16_t set = 1; set <= 9; ++set) {
            EXPECT_EQ(namesOf(no, set), namesOf(no, 1));
        }
    }
}

TEST(Catalog, OutsideTheCatalogGivesNoSize) {
    float constant = 7;
    std::string name = "x";
    ValveData(2, 10, 2, constant, name);
    EXPECT_EQ(constant, 0.0f);
    EXPECT_EQ(name, "");
    ValveData(2, 1, 0, constant, name);
    EXPECT_EQ(name, "");
    ValveData(0, 1, 2, constant, name);
    EXPECT_EQ(name, "");
}

TEST(Catalog, BleedPartsHaveTheirShapeAndIgnoreOptionsOutsideTheTable) {
    for (std::int16_t option = 1; option <= kBleedOptionCount; ++option) {
        for (std::int16_t size = 1; size <= 10; ++size) {
            std::string part = "unset";
            BleedPartA(size, option, part);
            EXPECT_TRUE(part.empty() || part.size() == 4 || part.size() == 5) << part;
            if (size <= 9) {
                part = "unset";
                BleedPartB(size, option, part);
                EXPECT_TRUE(part.empty() || part.size() == 4 || part.size() == 5) << part;
            }
        }
    }
    std::string part = "kept";
    BleedPartA(3, 0, part);
    EXPECT_EQ(part, "kept");
    BleedPartB(3, 8, part);
    EXPECT_EQ(part, "kept");
}

} // namespace
} // namespace korveld
