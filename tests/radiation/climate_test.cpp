#include <gtest/gtest.h>

#include <ostream>

#include "state/defaults.h"

namespace nk {
namespace {

class Climate : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        model = new Model;
        Alapertekek(*model);
    }
    static void TearDownTestSuite() { delete model; }
    static Model* model;
};
Model* Climate::model = nullptr;

// Row sums catch a dropped, doubled or shifted value anywhere in a row.
struct RowSumCase {
    const char* table;
    int month;
    int dayType;  // Levegohomerseklet only
    double sum;
};
void PrintTo(const RowSumCase& c, std::ostream* os) { *os << c.table << " " << c.month << " " << c.dayType; }

class ClimateRows : public Climate, public ::testing::WithParamInterface<RowSumCase> {};

TEST_P(ClimateRows, SumToTheListedValues) {
    const auto& c = GetParam();
    const Model& m = *model;
    double sum = 0;
    const std::string t = c.table;
    for (int s = 0; s <= 25; ++s) {
        if (t == "Direktnormal") sum += m.radmod.Direktnormal(c.month, s);
        if (t == "Derultnapok" && s <= 24) sum += m.radmod.Derultnapok(c.month, s);
        if (t == "Levegohomerseklet") sum += m.klima.Levegohomerseklet(c.month, s, c.dayType);
    }
    EXPECT_NEAR(sum, c.sum, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ClimateRows,
    ::testing::Values(RowSumCase{"Direktnormal", 1, 0, 4023.4}, RowSumCase{"Direktnormal", 6, 0, 10840.0},
                      RowSumCase{"Direktnormal", 8, 0, 10753.0}, RowSumCase{"Direktnormal", 12, 0, 4652.5},
                      RowSumCase{"Derultnapok", 1, 0, 57.0}, RowSumCase{"Derultnapok", 8, 0, 278.0},
                      RowSumCase{"Derultnapok", 12, 0, 40.2}, RowSumCase{"Levegohomerseklet", 1, 1, -108.4},
                      RowSumCase{"Levegohomerseklet", 6, 1, 515.4}, RowSumCase{"Levegohomerseklet", 12, 2, 8.1},
                      RowSumCase{"Levegohomerseklet", 10, 2, 294.3}, RowSumCase{"Levegohomerseklet", 1, 3, -46.8},
                      RowSumCase{"Levegohomerseklet", 5, 3, 311.5}));

TEST_F(Climate, SpotValuesAndBounds) {
    const Model& m = *model;
    EXPECT_EQ(m.radmod.Direktnormal(8, 13), 953);
    EXPECT_EQ(m.radmod.Direktnormal(12, 16), 0.1);
    EXPECT_EQ(m.radmod.Direktnormal(1, 16), 9);
    for (int mo = 1; mo <= 12; ++mo) {
        for (int s : {0, 4, 19, 23}) EXPECT_EQ(m.radmod.Direktnormal(mo, s), 0.1);
        EXPECT_EQ(m.radmod.Direktnormal(mo, 24), 0);
        EXPECT_EQ(m.radmod.Direktnormal(mo, 25), 0);
        EXPECT_EQ(m.radmod.Derultnapok(mo, 4), 0);
        EXPECT_EQ(m.radmod.Derultnapok(mo, 24), 0);
        EXPECT_EQ(m.klima.Levegohomerseklet(mo, 24, 1), 0);
        EXPECT_EQ(m.klima.Levegohomerseklet(mo, 5, 0), 0);
        EXPECT_EQ(m.klima.Levegohomerseklet(mo, 5, 4), 0);
    }
    EXPECT_EQ(m.radmod.Derultnapok(8, 10), 23.7);
    EXPECT_EQ(m.radmod.Deklinaciotabla(6), 23.4);
    EXPECT_EQ(m.radmod.Deklinaciotabla(12), -23.26);
    EXPECT_EQ(m.radmod.Deklinaciotabla(3), 0.98);
    EXPECT_EQ(m.klima.Derultnapokhavi(8), 20.0f);
    EXPECT_EQ(m.klima.Derultnapokhavi(12), 5.0f);
    double clearDays = 0;
    for (int mo = 1; mo <= 12; ++mo) clearDays += m.klima.Derultnapokhavi(mo);
    EXPECT_EQ(clearDays, 153);
    EXPECT_EQ(m.klima.Honapnapjai(2), 28);
    int days = 0;
    for (int mo = 1; mo <= 12; ++mo) days += m.klima.Honapnapjai(mo);
    EXPECT_EQ(days, 365);
    EXPECT_EQ(m.klima.Levegohomerseklet(8, 13, 1), 30.0f);
    EXPECT_EQ(m.klima.Levegohomerseklet(1, 1, 1), -8.0f);
    EXPECT_EQ(m.klima.Levegohomerseklet(1, 10, 3), 0.6f);
    EXPECT_EQ(m.klima.Levegohomerseklet(12, 7, 2), 2.3f);
    EXPECT_EQ(m.klima.Telitettgoznyomas(20), 23.37f);
    EXPECT_EQ(m.klima.Telitettgoznyomas(-10), 2.59f);
    EXPECT_EQ(m.klima.Telitettgoznyomas(49), 117.35f);
    EXPECT_EQ(m.klima.Telitettgoznyomas(50), 123.35f);
    for (int t = -9; t <= 50; ++t) EXPECT_GT(m.klima.Telitettgoznyomas(t), m.klima.Telitettgoznyomas(t - 1)) << t;
    EXPECT_EQ(m.klima.Szelsebesseg(7), 2.0f);
    EXPECT_EQ(m.klima.Relativparatartalom(7), 60.0f);
    EXPECT_EQ(m.klima.Talajhomerseklet(8), 19.0f);
    // Month 13, the value a month loop leaves behind, reads 0 everywhere.
    EXPECT_EQ(m.klima.Honapnapjai(13), 0);
    EXPECT_EQ(m.klima.Derultnapokhavi(13), 0.0f);
    EXPECT_EQ(m.radmod.Deklinaciotabla(13), 0.0);
    EXPECT_EQ(m.radmod.Direktnormal(13, 12), 0.0);
    EXPECT_EQ(m.klima.Szelsebesseg(13), 0.0f);
}

}  // namespace
}  // namespace nk
