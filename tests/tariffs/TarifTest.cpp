#include "tariffs/Tarif.h"

#include "support/MeteringWorld.h"
#include "support/TariffBuilder.h"
#include "tariffs/InitialPeriodSource.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class CFakeMeter : public InitialPeriodSource {
public:
    bool IsInInitialPeriod() const override { return inInitialPeriod; }
    bool inInitialPeriod = false;
};

using Zone = CTariffBuilder::Zone;
using Options = CTariffBuilder::Options;

// 7 December 2026 is a Monday; 11 December a Friday; 12 a Saturday; 13 a Sunday.
struct TarifTest : ::testing::Test {
    MeteringWorld world{CDateTime::FromDate(2026, 12, 7, 12, 0, 0)};
    CFakeMeter meter;
    CTarif tarif{world.clock, world.dir.Path()};

    void SetUp() override {
        tarif.SetMeter(&meter);
        tarif.SetFileName(world.TariffPath());
    }
    void GoTo(int year, int month, int day, int hour = 12, int minute = 0) {
        world.clock = CSimulatedClock(CDateTime::FromDate(year, month, day, hour, minute, 0), 5000);
    }
    uint32_t DayKindOn(int year, int month, int day) {
        GoTo(year, month, day);
        tarif.Invalidate();
        tarif.Refresh();
        return tarif.GetDayKind();
    }
};

TEST_F(TarifTest, MissingFileGivesTheDefaultRateAndNoDiscount) {
    tarif.Refresh();
    EXPECT_FALSE(tarif.HasZone());
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 90u);
    EXPECT_EQ(tarif.GetUnitPrice(), CMoney(1200));
    EXPECT_EQ(tarif.GetStartCharge(), CMoney(0)); // the minimum-charge scheme is off
    EXPECT_FALSE(tarif.IsDiscountActive());
    EXPECT_EQ(tarif.GetZoneFirstQuarter(), 0);
    EXPECT_EQ(tarif.GetZoneLastQuarter(), 95);
}

// The tariff file of a running connection is deleted: the connection goes on at the tariff's rates
// (its next zone included), and no empty file takes its place.
TEST_F(TarifTest, DeletedFileKeepsItsRatesAndIsNotCreatedAgain) {
    EXPECT_FALSE(std::filesystem::exists(world.TariffPath())) << "reading created it";
    CTariffBuilder(world.TariffPath())
        .WithZone({.first = 0, .last = 51, .seconds = 240, .price = 600})
        .WithZone({.first = 52, .last = 95, .seconds = 60, .price = 900});
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 240u);
    std::filesystem::remove(world.TariffPath());
    world.clock.Advance(3600 * 1000); // 13:00, the next zone
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 60u);
    EXPECT_EQ(tarif.GetUnitPrice(), CMoney(900));
    EXPECT_FALSE(std::filesystem::exists(world.TariffPath()));
}

TEST_F(TarifTest, ZoneOfTheQuarterHourAndReloadAfterMidnight) {
    CTariffBuilder(world.TariffPath())
        .WithZone({.first = 0, .last = 31, .seconds = 240, .price = 600})
        .WithZone({.first = 32, .last = 95, .seconds = 90, .price = 1200});
    GoTo(2026, 12, 7, 23, 59);
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 90u);
    EXPECT_EQ(tarif.GetZoneFirstQuarter(), 32);
    world.clock.Advance(60 * 1000); // 00:00 of Tuesday: the date changed
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 240u);
    EXPECT_EQ(tarif.GetUnitPrice(), CMoney(600));
}

TEST_F(TarifTest, KeepsTheRateWhileTheZoneHoldsAndReloadsWhenInvalidated) {
    CTariffBuilder(world.TariffPath()).WithZone({.first = 32, .last = 95, .seconds = 90});
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 90u);
    CTariffBuilder(world.TariffPath()).WithZone({.first = 0, .last = 95, .seconds = 60});
    // The edited file is not read while the zone holds...
    world.clock.Advance(3600 * 1000);
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 90u);
    // ...but after an invalidation it is.
    tarif.Invalidate();
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 60u);
}

// Where zones overlap the first listed applies, also to a rate found earlier in a zone listed later.
TEST_F(TarifTest, FirstMatchingZoneInFileOrderWinsAlsoForARunningRate) {
    CTariffBuilder(world.TariffPath())
        .WithZone({.kind = CTarifFile::kWeekend, .seconds = 30})
        .WithZone({.first = 40, .last = 60, .seconds = 45})
        .WithZone({.first = 0, .last = 95, .seconds = 60});
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 45u);
    EXPECT_EQ(tarif.GetZoneFirstQuarter(), 40);
    GoTo(2026, 12, 7, 9, 59);
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 60u);
    EXPECT_EQ(tarif.GetZoneFirstQuarter(), 0); // the zone as listed
    world.clock.Advance(60 * 1000);            // 10:00: the earlier-listed zone begins inside the one found
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 45u);
    world.clock.Advance(6 * 3600 * 1000); // 16:00: out of it again
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 60u);
}

// The default rate holds for the stretch no zone covers, and a zone that begins after it applies.
TEST_F(TarifTest, MomentWithoutZoneHasTheDefaultUntilAZoneCoversIt) {
    CTariffBuilder(world.TariffPath())
        .WithZone({.first = 0, .last = 31, .seconds = 240})
        .WithZone({.first = 40, .last = 43, .seconds = 30});
    GoTo(2026, 12, 7, 7, 59);
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 240u);
    world.clock.Advance(60 * 1000); // 08:00
    tarif.Refresh();
    EXPECT_FALSE(tarif.HasZone());
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 90u);
    EXPECT_EQ(tarif.GetZoneFirstQuarter(), 32); // the gap, shown as the stretch of the default
    EXPECT_EQ(tarif.GetZoneLastQuarter(), 39);
    world.clock.Advance(2 * 3600 * 1000); // 10:00
    tarif.Refresh();
    EXPECT_TRUE(tarif.HasZone());
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 30u);
    world.clock.Advance(3600 * 1000); // 11:00, the rest of the day uncovered
    tarif.Refresh();
    EXPECT_FALSE(tarif.HasZone());
    EXPECT_EQ(tarif.GetZoneLastQuarter(), 95);
}

TEST_F(TarifTest, DayKindsFollowTheOptions) {
    CTariffBuilder(world.TariffPath()).WithOptions({}).WithHoliday(2026, 12, 12).WithHoliday(2026, 12, 9);
    EXPECT_EQ(DayKindOn(2026, 12, 7), 64u);  // Monday
    EXPECT_EQ(DayKindOn(2026, 12, 11), 64u); // Friday without its own table
    EXPECT_EQ(DayKindOn(2026, 12, 13), 65u); // Sunday without its own table
    EXPECT_EQ(DayKindOn(2026, 12, 12), 66u); // holiday on a Saturday, holidays not as Sundays
    EXPECT_EQ(DayKindOn(2026, 12, 9), 66u);  // holiday on a Wednesday
}

TEST_F(TarifTest, OwnTablesForFridaySundayAndHolidaysAsSundays) {
    CTariffBuilder(world.TariffPath())
        .WithOptions({.fridayOwnTable = true, .holidaysAsSundays = true})
        .WithHoliday(2026, 12, 12)
        .WithHoliday(2026, 12, 9);
    EXPECT_EQ(DayKindOn(2026, 12, 11), 5u);
    EXPECT_EQ(DayKindOn(2026, 12, 12), 65u); // a holiday on a Saturday counts as a Sunday: weekend table
    EXPECT_EQ(DayKindOn(2026, 12, 9), 65u);
    tarif.SetFileName(world.dir.File("Other.tff"));
    CTariffBuilder(world.dir.File("Other.tff"))
        .WithOptions({.sundayOwnTable = true, .holidaysAsSundays = true})
        .WithHoliday(2026, 12, 9);
    EXPECT_EQ(DayKindOn(2026, 12, 13), 7u);
    EXPECT_EQ(DayKindOn(2026, 12, 9), 7u);
    EXPECT_EQ(DayKindOn(2026, 12, 12), 65u); // Saturday keeps the weekend table
}

TEST_F(TarifTest, FridayTableWithoutZonesGivesTheDefaultRate) {
    CTariffBuilder(world.TariffPath())
        .WithOptions({.fridayOwnTable = true})
        .WithZone({.kind = CTarifFile::kWorkingDays, .seconds = 240});
    EXPECT_EQ(DayKindOn(2026, 12, 11), 5u);
    EXPECT_FALSE(tarif.HasZone());
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 90u);
    EXPECT_EQ(DayKindOn(2026, 12, 10), 64u);
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 240u);
}

TEST_F(TarifTest, UnitsOfZeroSecondsLastTen) {
    CTariffBuilder(world.TariffPath()).WithOptions({.discount = true}).WithZone({.seconds = 0, .discountSeconds = 0});
    tarif.Refresh();
    EXPECT_EQ(tarif.GetZoneSecondsPerUnit(), 10u);
    EXPECT_EQ(tarif.GetDiscountSecondsPerUnit(), 10u);
}

TEST_F(TarifTest, InitialPeriodAnswersWhileTheMeterIsInIt) {
    CTariffBuilder(world.TariffPath())
        .WithOptions({.minimumCharge = true})
        .WithZone({.seconds = 10, .startCharge = 5000, .minimumCharge = 13000, .initialPeriod = 60});
    meter.inInitialPeriod = true;
    tarif.Refresh();
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 60u);
    EXPECT_EQ(tarif.GetStartCharge(), CMoney(5000));
    EXPECT_EQ(tarif.GetMinimumCharge(), CMoney(13000));
    meter.inInitialPeriod = false;
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 10u);
}

struct DiscountTest : TarifTest {
    // Counts n units and gives the price each was charged at.
    std::vector<int64_t> ChargeUnits(int n) {
        std::vector<int64_t> prices;
        for (int i = 0; i < n; ++i) {
            tarif.CountUnit();
            prices.push_back(tarif.GetUnitPrice().GetValue());
        }
        return prices;
    }
};

TEST_F(DiscountTest, LimitOfThreeDiscountsExactlyThreeUnits) {
    CTariffBuilder(world.TariffPath()).WithOptions({.discount = true}).WithDiscount(3, 600).WithZone({.price = 1200});
    EXPECT_EQ(ChargeUnits(5), (std::vector<int64_t>{600, 600, 600, 1200, 1200}));
    EXPECT_EQ(tarif.GetDiscountCounter().GetCount(), 3u);
    EXPECT_EQ(CRabattZaehler(world.dir.Path()).GetCount(), 3u); // saved at once
}

TEST_F(DiscountTest, LimitOfZeroDiscountsNothing) {
    CTariffBuilder(world.TariffPath()).WithOptions({.discount = true}).WithDiscount(0, 600).WithZone({});
    EXPECT_EQ(ChargeUnits(2), (std::vector<int64_t>{1200, 1200}));
    EXPECT_EQ(tarif.GetDiscountCounter().GetCount(), 0u);
}

TEST_F(DiscountTest, ZoneWithoutDiscountNeitherCountsNorDiscounts) {
    CTariffBuilder(world.TariffPath())
        .WithOptions({.discount = true})
        .WithDiscount(3, 600)
        .WithZone({.seconds = 60, .discountSeconds = 30, .noDiscount = true});
    EXPECT_EQ(ChargeUnits(2), (std::vector<int64_t>{1200, 1200}));
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 60u);
    EXPECT_EQ(tarif.GetDiscountCounter().GetCount(), 0u);
}

TEST_F(DiscountTest, UnitsInsideTheInitialPeriodAreNotCounted) {
    CTariffBuilder(world.TariffPath()).WithOptions({.discount = true}).WithZone({.discountSeconds = 30});
    meter.inInitialPeriod = true;
    EXPECT_EQ(ChargeUnits(2), (std::vector<int64_t>{600, 600})); // the default discount: 0.06 for 400 units
    EXPECT_EQ(tarif.GetDiscountCounter().GetCount(), 0u);
    meter.inInitialPeriod = false;
    ChargeUnits(1);
    EXPECT_EQ(tarif.GetDiscountCounter().GetCount(), 1u);
    EXPECT_EQ(tarif.GetSecondsPerUnit(), 30u);
}

// A counter file that is there but cannot be opened for a while: its count is never replaced by 0.
TEST_F(DiscountTest, CounterFileThatCannotBeOpenedKeepsItsCount) {
    CRabattZaehler stored(world.dir.Path());
    stored.SetCount(350);
    ASSERT_TRUE(stored.Save());
    const std::string file = world.dir.File("Fernzahl.ctr");
    std::filesystem::rename(file, file + ".away");
    std::filesystem::create_directory(file);
    CRabattZaehler counter(world.dir.Path());
    EXPECT_FALSE(counter.Load());
    EXPECT_FALSE(counter.Increment());
    std::filesystem::remove(file);
    std::filesystem::rename(file + ".away", file);
    EXPECT_TRUE(counter.Increment());
    EXPECT_EQ(CRabattZaehler(world.dir.Path()).GetCount(), 351u);
}

} // namespace
