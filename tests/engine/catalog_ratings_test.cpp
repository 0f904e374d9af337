// The whole catalog rated at reference conditions, pinned bit for bit to reference/catalog_ratings.txt,
// which reference/float32_rating.py works out from its own transcription of the property polynomials
// and the catalog. A swapped size, a mistyped constant, a lost or extra name or a wrong polynomial
// coefficient changes a line. The part numbers are pinned to reference/parts.txt.
#include "engine/rating.h"
#include "engine/valconts.h"

#include <bit>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace korveld {
namespace {

using Row = std::vector<std::string>;

// The rows of a reference file, each split at its bars; comments skipped.
std::vector<Row> referenceRows(const std::string& name) {
    std::ifstream file(std::string(KORVELD_REFERENCE_DIR) + "/" + name);
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        Row cells;
        std::istringstream in(line);
        for (std::string cell; std::getline(in, cell, '|');) {
            const auto first = cell.find_first_not_of(' ');
            cells.push_back(first == std::string::npos ? ""
                                                       : cell.substr(first, cell.find_last_not_of(' ') - first + 1));
        }
        rows.push_back(cells);
    }
    return rows;
}

std::string hexBits(float value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", std::bit_cast<std::uint32_t>(value));
    return text;
}

struct Condition {
    const char* name;
    float evap, cond, liq;
    Distributor distributor;
    float drop;
    CapacityUnit unit;
};

// The conditions of the reference table, in its column order.
constexpr Condition kConditions[] = {
    {"none", 40, 100, 90, Distributor::None, 0, CapacityUnit::BtuH},
    {"venturi", 40, 100, 90, Distributor::Venturi, 0, CapacityUnit::BtuH},
    {"orifice", 40, 100, 90, Distributor::Orifice, 0, CapacityUnit::BtuH},
    {"user10kw", 40, 100, 90, Distributor::UserDefined, 10, CapacityUnit::KW},
    {"cold", -20, 100, 90, Distributor::Orifice, 0, CapacityUnit::Tons},
};

Rating rate(const Condition& c, std::int16_t SeriesNo, std::int16_t RefIndex) {
    return RateCapacity(
        RatingInputs{c.evap, c.cond, c.liq, RefIndex, SeriesNo, c.distributor, c.drop, c.unit, std::nullopt});
}

TEST(CatalogRatings, EveryPropertySetGivesTheReferenceConditions) {
    int lines = 0;
    for (const Row& row : referenceRows("catalog_ratings.txt")) {
        if (row.size() != 5) {
            continue;
        }
        const Condition* c = nullptr;
        for (const Condition& candidate : kConditions) {
            c = row[0] == candidate.name ? &candidate : c;
        }
        ASSERT_NE(c, nullptr) << row[0];
        const auto RefIndex = static_cast<std::int16_t>(std::stoi(row[1]));
        const Conditions got = rate(*c, 2, RefIndex).conditions;
        EXPECT_EQ((Row{row[0], row[1], hexBits(got.DeltaP), hexBits(got.MassFlow), hexBits(got.Sensit)}), row);
        ++lines;
    }
    EXPECT_EQ(lines, 9 * static_cast<int>(std::size(kConditions)));
}

// Every series with every property set at every condition gives exactly the reference's sizes,
// names and capacities, in catalog order.
TEST(CatalogRatings, EverySizeOfEverySeriesMatchesBitForBit) {
    std::map<std::pair<int, int>, std::vector<Row>> expected; // by series and set
    for (const Row& row : referenceRows("catalog_ratings.txt")) {
        if (row.size() == 4 + std::size(kConditions)) {
            expected[{std::stoi(row[0]), std::stoi(row[2])}].push_back(row);
        }
    }
    ASSERT_FALSE(expected.empty()) << "no reference table at " << KORVELD_REFERENCE_DIR;
    for (std::int16_t SeriesNo = 1; SeriesNo <= kSeriesCount; ++SeriesNo) {
        for (std::int16_t RefIndex = 1; RefIndex <= 9; ++RefIndex) {
            std::vector<Row> got;
            for (std::size_t k = 0; k < std::size(kConditions); ++k) {
                const Rating rating = rate(kConditions[k], SeriesNo, RefIndex);
                ASSERT_EQ(rating.outcome, RatingOutcome::Rated) << SeriesNo << ' ' << RefIndex;
                for (std::size_t r = 0; r < rating.Rows().size(); ++r) {
                    const RatingRow& size = rating.Rows()[r];
                    if (k == 0) {
                        got.push_back({std::to_string(SeriesNo), std::to_string(size.SizeNo), std::to_string(RefIndex),
                                       size.ValName});
                    }
                    ASSERT_LT(r, got.size());
                    got[r].push_back(hexBits(size.RowCapacity));
                }
            }
            EXPECT_EQ(got, (expected[{SeriesNo, RefIndex}])) << "series " << SeriesNo << ", set " << RefIndex;
        }
    }
}

TEST(CatalogParts, PowerBasesCagePartsAndBleedPartsAreTheCatalogs) {
    std::map<int, int> cages;
    int bleedRows = 0;
    for (const Row& row : referenceRows("parts.txt")) {
        const int a = std::stoi(row[1]);
        const auto n = static_cast<std::int16_t>(a);
        if (row[0] == "power") {
            EXPECT_EQ(PowerBase(n), row[2]) << "series " << a;
        } else if (row[0] == "cage") {
            EXPECT_EQ(CagePart(n, static_cast<std::int16_t>(std::stoi(row[2]))), row[3])
                << "series " << a << ' ' << row[2];
            ++cages[a];
        } else {
            ++bleedRows;
            for (std::size_t size = 1; size + 2 <= row.size(); ++size) {
                std::string part = "stale";
                (row[0] == "bleedA" ? BleedPartA : BleedPartB)(static_cast<std::int16_t>(size), n, part);
                EXPECT_EQ(part, row[size + 1] == "-" ? "" : row[size + 1]) << row[0] << ' ' << a << ' ' << size;
            }
        }
    }
    EXPECT_EQ(bleedRows, 2 * kBleedOptionCount);
    for (std::int16_t SeriesNo = 1; SeriesNo <= kSeriesCount; ++SeriesNo) {
        const bool assemblies = Series(SeriesNo).hasAssemblies;
        EXPECT_EQ(cages[SeriesNo], assemblies ? Series(SeriesNo).sizeCount : 0) << SeriesNo;
        EXPECT_EQ(CagePart(SeriesNo, static_cast<std::int16_t>(Series(SeriesNo).sizeCount + 1)), "") << SeriesNo;
        EXPECT_EQ(PowerBase(SeriesNo).empty(), !assemblies) << SeriesNo;
    }
}

} // namespace
} // namespace korveld
