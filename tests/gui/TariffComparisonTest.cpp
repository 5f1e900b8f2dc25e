#include "GuiFixture.h"

#include "log/ProtokollDlg.h"
#include "metering/TarifVergleichDlg.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/TariffBuilder.h"
#include "ui/ListView.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Column(QWidget* window, int list, int column) {
    const QAbstractItemModel* model = Find<CListView>(window, list)->model();
    std::vector<std::string> cells;
    for (int row = 0; row < model->rowCount(); ++row) {
        cells.push_back(model->index(row, column).data().toString().toStdString());
    }
    return cells;
}

// Logged at 0.12 a minute; the flat tariff charges 0.05.
TEST(TariffComparisonTest, TheCheapestTariffLeadsMarkedAndEachTariffShowsItsConnections) {
    CLocaleGuard locale{"en_US.UTF-8"};
    GuiWorld world;
    CTariffBuilder(world.dir.File("Fernzahl.tff")).WithZoneEveryDay({.seconds = 60, .price = 1200});
    CTariffBuilder(world.dir.File("Flat.tff")).WithZoneEveryDay({.seconds = 60, .price = 500});
    AppendToLog(world.dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 2400, "T-Online", 2));
    AppendToLog(world.dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 11, 0, 0), 30, 1200, "Arcor", 1));
    CProtokollDlg view(world.services, nullptr);
    view.show();
    ASSERT_TRUE(WaitUntil([&] { return !view.IsFilling(); }));

    std::vector<std::string> tariffs;
    bool cheapestInBold = false;
    std::vector<std::string> flatCosts;
    std::vector<std::string> defaultCosts;
    std::vector<std::string> connections;
    std::string caption;
    WhenModalOpens([&](QWidget* window) {
        auto* dialog = static_cast<CTarifVergleichDlg*>(window);
        ASSERT_TRUE(WaitUntil([&] { return !dialog->IsComparing(); }));
        tariffs = Column(window, 1173, 0);
        auto* list = Find<CListView>(window, 1173);
        cheapestInBold = list->model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold();
        flatCosts = Column(window, 1176, 8);
        connections = Column(window, 1176, 1);
        list->setCurrentIndex(list->model()->index(1, 0));
        defaultCosts = Column(window, 1176, 8);
        caption = Find<QLabel>(window, 1175)->text().toStdString();
        Find<QPushButton>(window, 2)->click();
    });
    view.OnCommand(CProtokollDlg::kCompareTariffs);
    EXPECT_EQ(tariffs, (std::vector<std::string>{"Flat – cheapest", "(Default tariff)"}));
    EXPECT_TRUE(cheapestInBold);
    EXPECT_EQ(flatCosts, (std::vector<std::string>{"0.10", "0.05"}));
    EXPECT_EQ(connections, (std::vector<std::string>{"T-Online", "Arcor"}));
    EXPECT_EQ(defaultCosts, (std::vector<std::string>{"0.24", "0.12"}));
    EXPECT_EQ(caption, "Each connection under (Default tariff):");
}

} // namespace
