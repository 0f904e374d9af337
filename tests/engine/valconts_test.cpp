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

// The lookup the selection walks with reads the same catalog as the procedures, inside and outside it.
TEST(Catalog, LookupGivesWhatTheProcedureWrites) {
    for (std::int16_t SeriesNo = 1; SeriesNo <= kSeriesCount; ++SeriesNo) {
        const CatalogLookup lookup = CatalogLookupOf(SeriesNo);
        ASSERT_NE(lookup, nullptr);
        for (std::int16_t SizeNo = -1; SizeNo <= kMaxSizes + 1; ++SizeNo) {
            for (std::int16_t RefIndex = -1; RefIndex <= 10; ++RefIndex) {
                float constant = -1.0f;
                std::string name = "stale";
                ValveData(SeriesNo, SizeNo, RefIndex, constant, name);
                const CatalogSize size = lookup(SizeNo, RefIndex);
                EXPECT_EQ(size.ValConstant, constant) << SeriesNo << ' ' << SizeNo << ' ' << RefIndex;
                EXPECT_EQ(size.ValName, name) << SeriesNo << ' ' << SizeNo << ' ' << RefIndex;
            }
        }
    }
    EXPECT_EQ(CatalogLookupOf(0), nullptr);
    EXPECT_EQ(CatalogLookupOf(kSeriesCount + 1), nullptr);
}

TEST(Catalog, SeriesNumbersCodesAndSizeCounts) {
    const std::vector<std::string> codes{"NYF", "KO", "KOD",  "KOT", "KUBS", "KIM", "OBN", "QZ",  "DQQ",
                                         "GL",  "VA", "VULK", "VMP", "VRK",  "VRD", "VOS", "VAN", "VEB"};
    const std::vector<int> sizes{9, 9, 9, 9, 9, 9, 6, 12, 8, 9, 7, 8, 8, 2, 2, 4, 1, 2};
    for (std::int16_t no = 1; no <= kSeriesCount; ++no) {
        EXPECT_EQ(Series(no).SeriesNo, no);
        EXPECT_EQ(Series(no).code, codes[no - 1]);
        EXPECT_EQ(Series(no).sizeCount, sizes[no - 1]) << codes[no - 1];
        EXPECT_NE(ValveDataProcedure(no), nullptr);
    }
    EXPECT_EQ(Series(0).sizeCount, 0);
    EXPECT_EQ(Series(19).sizeCount, 0);
    EXPECT_EQ(ValveDataProcedure(19), nullptr);
}

TEST(Catalog, TheFiveKSeriesShareOneSetOfConstants) {
    for (std::int16_t size = 1; size <= 9; ++size) {
        float ko = 0, other = 0;
        std::string name;
        ValveData(2, size, 2, ko, name);
        for (std::int16_t series : {3, 4, 5, 6}) {
            ValveData(series, size, 2, other, name);
            EXPECT_EQ(other, ko) << "series " << series << " size " << size;
        }
    }
}

TEST(Catalog, WorkedExampleSize) {
    float constant = 0;
    std::string name;
    ValveData(2, 4, 2, constant, name);
    EXPECT_EQ(constant, 0.045808f);
    EXPECT_EQ(name, "1-1/2");
}

TEST(Catalog, OfferedSizesPerRefrigerant) {
    EXPECT_EQ(offeredSizes(2, 1), 8); // R-12 with KO: size 5 is not offered
    EXPECT_EQ(namesOf(2, 1)[4], "");
    EXPECT_EQ(offeredSizes(3, 2), 9); // KOD: R-22 and R-407C only
    EXPECT_EQ(offeredSizes(3, 9), 9);
    for (std::int16_t set : {1, 3, 4, 5, 6, 7, 8}) {
        EXPECT_EQ(offeredSizes(3, set), 0) << "KOD set " << set;
    }
    EXPECT_EQ(namesOf(5, 9)[0], "1/4"); // KUBS sizes 1 and 2 only for R-407C
    EXPECT_EQ(namesOf(5, 2)[0], "");
    EXPECT_EQ(namesOf(5, 2)[1], "");
    for (std::int16_t set : {1, 2, 8}) {
        EXPECT_EQ(namesOf(6, set)[7], "") << "KIM size 8, set " << set;
    }
    EXPECT_EQ(offeredSizes(17, 2), 1); // VAN has a single size
    EXPECT_EQ(offeredSizes(8, 2), 12);
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
    for (std::int16_t no : {1, 7, 9}) {
        for (std::int16_t set = 1; set <= 9; ++set) {
            EXPECT_EQ(namesOf(no, set), namesOf(no, 1));
        }
    }
    EXPECT_EQ(namesOf(1, 2)[0], "NYF 1");
    EXPECT_EQ(namesOf(7, 2)[5], "OBN 10");
    EXPECT_EQ(namesOf(9, 2)[0], "DQQ 1/2");
    EXPECT_EQ(namesOf(9, 2)[6], "DQ 5");
    EXPECT_EQ(namesOf(9, 2)[7], "DQ 6");
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

TEST(Catalog, CagePartsAndPowerBases) {
    for (std::int16_t no = 13; no <= 18; ++no) {
        for (std::int16_t size = 1; size <= Series(no).sizeCount; ++size) {
            const std::size_t length = CagePart(no, size).size();
            EXPECT_TRUE(length >= 7 && length <= 9) << no << "/" << size;
        }
        EXPECT_TRUE(CagePart(no, Series(no).sizeCount + 1).empty());
    }
    EXPECT_TRUE(CagePart(2, 1).empty());
    EXPECT_EQ(PowerBase(13).size(), 6u);
    EXPECT_EQ(PowerBase(15), PowerBase(13));
    EXPECT_EQ(PowerBase(16).size(), 5u);
    EXPECT_EQ(PowerBase(18), PowerBase(16));
    EXPECT_TRUE(PowerBase(12).empty());
}

} // namespace
} // namespace korveld
