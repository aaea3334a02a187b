#include "model/band_code_settings.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kolvar {
namespace {

// An in-memory store that remembers the order of access.
class RecordingStore {
public:
    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
        reads.emplace_back(key);
        const auto found = values.find({std::string(section), std::string(key)});
        return found == values.end() ? defaultValue : found->second;
    }
    void WriteProfileInt(std::string_view section, std::string_view key, int value) {
        writes.emplace_back(key);
        values[{std::string(section), std::string(key)}] = value;
    }

    std::map<std::pair<std::string, std::string>, int> values;
    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;
};

const std::vector<std::string> kKeyOrder = {"Extended", "Digit 1", "Digit 2",
                                            "Digit 3",  "Power",   "Overshoot"};

TEST(BandCodeSettings, EmptyStoreGivesDefaultsAndSavingWritesAllSix) {
    RecordingStore store;
    const BandCode code = LoadBandCode(store);
    EXPECT_EQ(code, BandCode{});
    EXPECT_EQ(store.reads, kKeyOrder);

    SaveBandCode(store, code);
    EXPECT_EQ(store.writes, kKeyOrder);
    EXPECT_EQ(store.values.at({"Settings", "Overshoot"}), -2);
    EXPECT_EQ(store.values.at({"Settings", "Digit 3"}), 5);
}

TEST(BandCodeSettings, RoundTripKeepsEveryField) {
    RecordingStore store;
    const BandCode chosen{
        .extended = 1, .digit1 = 9, .digit2 = 0, .digit3 = 7, .power = -2, .overshoot = -1};
    SaveBandCode(store, chosen);
    EXPECT_EQ(LoadBandCode(store), chosen);
}

struct StoredValue {
    const char* key;
    int stored;
    BandCode expected;
};

void PrintTo(const StoredValue& row, std::ostream* out) {
    *out << row.key << " " << row.stored;
}

class LoadingStoredValue : public testing::TestWithParam<StoredValue> {};

TEST_P(LoadingStoredValue, KeepsCodesAndReplacesTheRestPerKey) {
    RecordingStore store;
    store.values[{"Settings", "Power"}] = 6;  // a neighbour that must survive
    store.values[{"Settings", GetParam().key}] = GetParam().stored;
    BandCode expected = GetParam().expected;
    if (std::string_view(GetParam().key) != "Power") {
        expected.power = 6;
    }
    EXPECT_EQ(LoadBandCode(store), expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, LoadingStoredValue,
                         testing::Values(StoredValue{"Extended", 7, BandCode{.extended = 7}},
                                         StoredValue{"Extended", -1, BandCode{.extended = -1}},
                                         StoredValue{"Digit 1", 0, BandCode{.digit1 = 0}},
                                         StoredValue{"Digit 1", 10, BandCode{}},
                                         StoredValue{"Digit 2", -3, BandCode{}},
                                         StoredValue{"Digit 3", 9, BandCode{.digit3 = 9}},
                                         StoredValue{"Power", -2, BandCode{.power = -2}},
                                         StoredValue{"Power", 2147483647, BandCode{}},
                                         StoredValue{"Overshoot", 3, BandCode{.overshoot = 3}},
                                         StoredValue{"Overshoot", -1, BandCode{.overshoot = -1}},
                                         StoredValue{"Overshoot", -2147483647 - 1, BandCode{}}),
                         test::RowName());

}  // namespace
}  // namespace kolvar
