// Ownership and sales: the player's sales, rival offers, buying, the menu,
// selection and the information cloud.

#include <algorithm>

#include "game/town/House.h"
#include "town/TownTestSupport.h"
#include "tessel/text/MoneyFormat.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class BuildingSale : public TownTest {
protected:
  void SetUp() override {
    TownTest::SetUp();
    Build({
        "..........",
        "..........",
        "..........",
        "##########",
        "..........",
    });
    office = PlaceOffice(0, 1);
    house = Place(BDK_Bungalow, 4, 0);
    map->BankAccount = 10000;
    listener.Events.clear();
  }
  TestOffice* office = nullptr;
  Building* house = nullptr;
};

TEST_F(BuildingSale, SaleDurationsFollowThePercentageWithAQuarterEitherWay) {
  Balance::Install(Balance());  // the default auction times 5, 10 and 50 s
  struct Case {
    int Percent;
    float Duration;
  };
  for (Case c : {Case{150, 50}, Case{50, 5}, Case{100, 10}, Case{125, 30}, Case{75, 7.5f}}) {
    Tessel::RandomGenerator next = Tessel::ThreadRandom();
    float r = static_cast<float>(next.Next()) / Tessel::RandMax;
    house->PutUpForSale(1000, c.Percent);
    EXPECT_NEAR(house->SaleTimer, c.Duration * (1 + 0.25f * (2 * r - 1)), 1e-3) << c.Percent;
    EXPECT_GE(house->SaleTimer, c.Duration * 0.75f - 1e-3f);
    EXPECT_LE(house->SaleTimer, c.Duration * 1.25f + 1e-3f);
  }
}

TEST_F(BuildingSale, AFixedStayReplacesTheComputedDuration) {
  house->StayOfferedForSaleFixedDuration = 4;
  Tessel::RandomGenerator next = Tessel::ThreadRandom();
  float r = static_cast<float>(next.Next()) / Tessel::RandMax;
  house->PutUpForSale(1000, 150);
  EXPECT_NEAR(house->SaleTimer, 4 * (1 + 0.25f * (2 * r - 1)), 1e-4);
}

TEST_F(BuildingSale, PercentagesOutsideFiftyToOneHundredAndFiftyAreContractViolations) {
  for (int percent : {49, 151}) {
    try {
      house->PutUpForSale(1000, percent);
      FAIL() << percent;
    } catch (const Tessel::AssertionFailedException& e) {
      EXPECT_EQ(e.Message, percent < 50 ? "percentsOfOriginalPrice >= 50" : "percentsOfOriginalPrice <= 150");
    }
  }
}

TEST_F(BuildingSale, ASaleThatRunsOutPassesTheHouseToTheRivalsForItsPrice) {
  house->PutUpForSale(7000, 100);
  EXPECT_TRUE(house->isForSale);
  EXPECT_EQ(listener.Only("OnBuildingPutUpForSale").size(), 1u);
  Run(13);
  EXPECT_TRUE(house->IsRival);
  EXPECT_FALSE(house->isForSale);
  EXPECT_EQ(map->BankAccount, 17000);
  EXPECT_EQ(listener.Only("OnBuildingSoldToRival"), std::vector<std::string>{"OnBuildingSoldToRival Bungalow 4 0"});
  EXPECT_TRUE(presenter.Has("money 7000"));
  // The rival's delay before it may offer the house, drawn from its range.
  EXPECT_GE(house->SaleTimer, 20);
  EXPECT_LE(house->SaleTimer, 40);
}

TEST_F(BuildingSale, TheSalePriceIsTheRoundedShareOfTheMarketValue) {
  // 5000 x 1.2
  ASSERT_EQ(house->GetMarketValue(), 6000);
  EXPECT_EQ(house->GetSalePrice(100), 6000);
  EXPECT_EQ(house->GetSalePrice(150), 9000);
  EXPECT_EQ(house->GetSalePrice(73), Tessel::RoundPrice(4380));
}

TEST_F(BuildingSale, CancellingASaleEndsIt) {
  house->PutUpForSale(7000, 100);
  house->Select();
  house->PressMenuButton(MENU_Cancel);
  EXPECT_FALSE(house->isForSale);
  EXPECT_EQ(house->Price, 0);
  EXPECT_FLOAT_EQ(house->SaleTimer, 0);
}

TEST_F(BuildingSale, ASaleCannotBeCancelledWhileTheScriptForbidsIt) {
  house->PutUpForSale(7000, 100);
  map->CanCancelSale = false;
  house->Select();
  house->PressMenuButton(MENU_Cancel);
  EXPECT_TRUE(house->isForSale);
  EXPECT_EQ(map->SelectedBuilding, nullptr);
  EXPECT_TRUE(presenter.Has("hint AssistantHint.CantCancelSale"));
}

TEST_F(BuildingSale, TheSellButtonOpensTheSaleDialog) {
  house->Select();
  listener.Events.clear();
  house->PressMenuButton(MENU_Sell);
  EXPECT_TRUE(house->SellDialogOpen);
  EXPECT_TRUE(presenter.Has("sale dialog"));
  EXPECT_EQ(listener.Events, std::vector<std::string>{"OnSellDialogOpened Bungalow 4 0"});
  house->Unselect();
  EXPECT_FALSE(house->SellDialogOpen);
}

TEST_F(BuildingSale, ScriptsShowABuildingForSaleAtADiscount) {
  house->SetDisplayedForSale(true, 0, 20, true);
  EXPECT_TRUE(house->isForSale);
  EXPECT_EQ(house->Price, Tessel::RoundPrice(4800));
  EXPECT_TRUE(house->SaleFixedFlag);
  house->SetDisplayedForSale(false, 0, 0, false);
  EXPECT_FALSE(house->isForSale);
  EXPECT_EQ(house->Price, 0);
}

// ---- rivals

TEST_F(BuildingSale, ARivalsOfferRunsDownAndEnds) {
  house->SetRival(true);
  house->isForSale = true;  // the map chose it
  house->Price = 6000;
  house->SaleTimer = 2;
  Run(1);
  EXPECT_TRUE(house->isForSale);
  Run(1.5f);
  EXPECT_FALSE(house->isForSale);
  EXPECT_GE(house->SaleTimer, 20);
}

TEST_F(BuildingSale, AFixedOfferDoesNotRunDown) {
  house->SetRival(true);
  house->isForSale = true;
  house->SaleTimer = 1;
  house->SaleFixedFlag = true;
  Run(3);
  EXPECT_TRUE(house->isForSale);
  EXPECT_FLOAT_EQ(house->SaleTimer, 1);
}

TEST_F(BuildingSale, AnUnmarketableBuildingLeavesTheMarket) {
  house->SetRival(true);
  house->isForSale = true;
  house->Price = 6000;
  house->SetUnmarketable(true);
  EXPECT_FALSE(house->isForSale);
  EXPECT_EQ(house->Price, 0);
  EXPECT_FALSE(house->CanBuy());
}

TEST_F(BuildingSale, BuyingFromARivalPaysItsPriceAndKeepsTheLevel) {
  house->SetLevel(2);
  house->SetRival(true);
  house->isForSale = true;
  house->Price = 6000;
  ASSERT_TRUE(house->CanBuy());
  house->Select();
  listener.Events.clear();
  house->PressMenuButton(MENU_Buy);
  EXPECT_EQ(map->BankAccount, 4000);
  EXPECT_FALSE(house->IsRival);
  EXPECT_TRUE(house->WasBought);
  EXPECT_EQ(house->Level, 2);
  EXPECT_EQ(listener.Only("OnBuildingBought"), std::vector<std::string>{"OnBuildingBought Bungalow 4 0"});
  EXPECT_TRUE(presenter.Has("sound sounds/houseBought.ogg"));
}

TEST_F(BuildingSale, ABuyTooDearForTheAccountGivesAHint) {
  Building* shop = Place(BDK_Shop, 8, 0);
  for (Building* building : {house, shop}) {
    building->SetRival(true);
    building->isForSale = true;
    building->Price = 20000;
    building->Select();
    const BuildingMenuButton* buy = building->FindMenuButton(MENU_Buy);
    ASSERT_NE(buy, nullptr);
    EXPECT_FALSE(buy->IsEnabled);
    EXPECT_EQ(buy->Price, 20000);
    building->PressMenuButton(MENU_Buy);
  }
  EXPECT_EQ(presenter.Only("hint "), (std::vector<std::string>{"AssistantHint.NoMoneyToBuyHouse",
                                                              "AssistantHint.NoMoneyToBuyBuilding"}));
  EXPECT_EQ(map->BankAccount, 10000);
}

// ---- the menu

TEST_F(BuildingSale, TheMenuFollowsOwnershipJobAndSale) {
  auto ids = [&](Building* building) {
    std::vector<int> result;
    building->BuildMenu();
    for (const BuildingMenuButton& button : building->MenuButtons) result.push_back(button.Id);
    return result;
  };
  // A house's own buttons come before the sell button.
  EXPECT_EQ(ids(house), (std::vector<int>{MENU_Upgrade, MENU_Sell}));
  EXPECT_TRUE(house->FindMenuButton(MENU_Sell)->IsEnabled);
  house->IsBroken = true;
  EXPECT_FALSE((house->BuildMenu(), house->FindMenuButton(MENU_Sell)->IsEnabled));
  house->IsBroken = false;
  map->BuildingsCanBeSelled = false;
  EXPECT_EQ(ids(house), std::vector<int>{MENU_Upgrade});
  map->BuildingsCanBeSelled = true;
  house->StartJob(JOB_Upgrade, false);
  EXPECT_EQ(ids(house), std::vector<int>{MENU_Cancel});
  house->Cancel();
  house->StartJob(JOB_Repair, true, 3);  // a workshop's repair
  EXPECT_TRUE(ids(house).empty());
  house->DoWork(10);
  house->PutUpForSale(1000, 100);
  EXPECT_EQ(ids(house), std::vector<int>{MENU_Cancel});
  // The office is never sold (its own buttons are about vans).
  std::vector<int> officeIds = ids(office);
  EXPECT_EQ(std::find(officeIds.begin(), officeIds.end(), MENU_Sell), officeIds.end());
  house->SetRival(true);
  EXPECT_EQ(ids(house), std::vector<int>{MENU_Buy});
  EXPECT_EQ(house->FindMenuButton(MENU_Buy)->CaptionKey, "Hud.BuildingMenu.Buy");
}

// ---- selection and the cloud

TEST_F(BuildingSale, SelectingOneBuildingUnselectsTheOther) {
  Building* tree = Place(BDK_Tree, 9, 4);
  house->Select();
  EXPECT_TRUE(house->MenuShown);
  EXPECT_TRUE(house->IsInfoShown);
  tree->Select();
  EXPECT_EQ(map->SelectedBuilding, tree);
  EXPECT_FALSE(house->MenuShown);
  EXPECT_FALSE(house->IsInfoShown);
  EXPECT_EQ(listener.Only("OnBuildingSelected"),
            (std::vector<std::string>{"OnBuildingSelected Bungalow 4 0", "OnBuildingSelected Tree 9 4"}));
  map->SetTool(MAPTOOL_Road);  // a tool takes the selection away
  EXPECT_EQ(map->SelectedBuilding, nullptr);
}

TEST_F(BuildingSale, HoveringOpensTheCloudAfterTheDelay) {
  house->OnMouseEnter();
  Run(0.5f);  // the shipped delay is 0.8 s
  EXPECT_FALSE(house->IsInfoShown);
  Run(0.4f);
  EXPECT_TRUE(house->IsInfoShown);
  house->OnMouseLeave();
  EXPECT_FALSE(house->IsInfoShown);
  map->BuildingsInfoEnabled = false;
  house->OnMouseEnter();
  Run(2);
  EXPECT_FALSE(house->IsInfoShown);
}

TEST_F(BuildingSale, TheSelectedBuildingsCloudClosesAWhileAfterTheMouseLeft) {
  house->Select();
  house->OnMouseEnter();
  Run(0.2f);
  house->OnMouseLeave();
  Run(4.5f);
  EXPECT_TRUE(house->IsInfoShown);
  Run(1);
  EXPECT_FALSE(house->IsInfoShown);
}

TEST_F(BuildingSale, TheJustConstructedMarkerRunsOnceTheBuildingWorks) {
  Building* shop = CreateBuilding(BDK_Shop);
  map->PlaceBuilding(shop, 8, 0, true);
  Run(1);
  EXPECT_FALSE(shop->IsNewShown);  // still a site
  office->ArriveAll(shop);
  Run(10.05f);
  ASSERT_TRUE(shop->IsOperational());
  EXPECT_TRUE(shop->IsNewShown);
  Run(10);
  EXPECT_FALSE(shop->IsNewShown);
}

TEST_F(BuildingSale, LevelsAreCheckedAndSetTheirBalanceRecords) {
  house->SetLevel(3);
  EXPECT_EQ(house->NextLevelBalance, nullptr);
  EXPECT_EQ(house->GetUpgradedMarketValue(), house->GetMarketValue());
  try {
    house->SetLevel(4);
    FAIL() << "no assertion";
  } catch (const Tessel::AssertionFailedException& e) {
    EXPECT_EQ(e.Message, "level <= Balance->NumUpgrades");
  }
}

}  // namespace
