// The office's own rules: the price and purchase of vans, the speed-up
// ability, what it tells about itself, and its saved state.

#include <utility>

#include "tessel/Exception.h"
#include "town/VanTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class OfficeRules : public VanTest {
protected:
  void SetUp() override {
    VanTest::SetUp();
    Build({
        "..........",
        "..........",
        "..........",
        "##########",
        "..........",
    });
    map->BankAccount = 100000;
  }
  Office* PlaceSelectedOffice(int vans) {
    Office* office = PlaceRealOffice(0, 1, vans);
    office->Select();
    return office;
  }
  const BuildingMenuButton& Button(int id) {
    const BuildingMenuButton* button = realOffice->FindMenuButton(id);
    EXPECT_NE(button, nullptr) << id;
    static const BuildingMenuButton none;
    return button ? *button : none;
  }
};

TEST_F(OfficeRules, AVanCostsLessWithTheAutoServiceUpgrades) {
  ChangeRules([](Balance& rules) { rules.ConstructionVanCost = 10000; });
  struct Case {
    uint32_t Upgrades;
    int Cost;
  } cases[] = {
      {0, 10000},
      {1u << OFUP_AutoService3, 7000},
      {1u << OFUP_AutoService2, 8500},
      {1u << OFUP_AutoService2 | 1u << OFUP_AutoService3, 5950},
  };
  Office* office = PlaceRealOffice(0, 1, 0);
  for (const Case& c : cases) {
    map->OfficeUpgrades = c.Upgrades;
    EXPECT_EQ(office->GetConstructionVanCost(), c.Cost) << c.Upgrades;
  }
}

TEST_F(OfficeRules, ABoughtVanIsPaidAtOnceAndDeliveredLater) {
  ChangeRules([](Balance& rules) {
    rules.ConstructionVanCost = 10000;
    rules.ConstructionVanSupplyTime = 5;
  });
  Office* office = PlaceSelectedOffice(1);
  ASSERT_TRUE(Button(MENU_BuyVan).IsEnabled);
  EXPECT_EQ(Button(MENU_BuyVan).CaptionKey, "Hud.BuildingMenu.BuyVan");
  EXPECT_EQ(Button(MENU_BuyVan).Price, 10000);
  office->PressMenuButton(MENU_BuyVan);
  EXPECT_EQ(map->BankAccount, 90000);
  EXPECT_EQ(officeEvents.VanEvents, std::vector<std::string>{"OnVanBought"});
  EXPECT_TRUE(office->IsDeliveringVan);
  EXPECT_FALSE(Button(MENU_BuyVan).IsEnabled);
  office->PressMenuButton(MENU_BuyVan);
  EXPECT_TRUE(presenter.Has("hint AssistantHint.DeliveringVan"));
  EXPECT_EQ(map->BankAccount, 90000);

  Run(4.9f);
  EXPECT_EQ(office->GetVanCount(), 1);
  EXPECT_NEAR(Button(MENU_BuyVan).Progress, 0.98f, 0.03f);
  EXPECT_FALSE(presenter.Has("sound sounds/vanAdded.ogg"));
  Run(0.2f);
  EXPECT_EQ(office->GetVanCount(), 2);
  EXPECT_FALSE(office->IsDeliveringVan);
  EXPECT_TRUE(presenter.Has("sound sounds/vanAdded.ogg"));
  EXPECT_EQ(officeEvents.VanEvents, (std::vector<std::string>{"OnVanBought", "OnVanDelivered"}));
  EXPECT_TRUE(Button(MENU_BuyVan).IsEnabled);
}

TEST_F(OfficeRules, WithoutASupplyTimeTheVanIsThereAtOnce) {
  ChangeRules([](Balance& rules) { rules.ConstructionVanSupplyTime = 0; });
  Office* office = PlaceSelectedOffice(1);
  office->PressMenuButton(MENU_BuyVan);
  EXPECT_EQ(office->GetVanCount(), 2);
  EXPECT_FALSE(office->IsDeliveringVan);
  EXPECT_TRUE(presenter.Has("sound sounds/vanAdded.ogg"));
  EXPECT_TRUE(Button(MENU_BuyVan).IsEnabled);
}

TEST_F(OfficeRules, TheNinetyNinthVanIsTheLast) {
  ChangeRules([](Balance& rules) { rules.ConstructionVanSupplyTime = 0; });
  map->BankAccount = Map::MaxMoney;
  Office* office = PlaceSelectedOffice(98);
  ASSERT_TRUE(Button(MENU_BuyVan).IsEnabled);
  office->PressMenuButton(MENU_BuyVan);
  EXPECT_EQ(office->GetVanCount(), 99);
  EXPECT_FALSE(Button(MENU_BuyVan).IsEnabled);
  int money = map->BankAccount;
  office->PressMenuButton(MENU_BuyVan);
  EXPECT_EQ(office->GetVanCount(), 99);
  EXPECT_EQ(map->BankAccount, money);
  EXPECT_TRUE(presenter.Has("hint AssistantHint.NoMoneyToBuyVan"));
}

TEST_F(OfficeRules, AVanThatWouldOverdrawTheAccountCannotBeBought) {
  ChangeRules([](Balance& rules) { rules.ConstructionVanCost = 10000; });
  map->BankAccount = 9999;
  PlaceSelectedOffice(1);
  EXPECT_FALSE(Button(MENU_BuyVan).IsEnabled);
  map->TransferMoney(1);  // the button follows the money
  EXPECT_TRUE(Button(MENU_BuyVan).IsEnabled);
}

TEST_F(OfficeRules, TheSpeedUpIsOfferedOnlyWithTheSecondAutoService) {
  Office* office = PlaceSelectedOffice(1);
  EXPECT_EQ(office->FindMenuButton(MENU_SpeedUp), nullptr);
  Buy(OFUP_AutoService2);
  office->BuildMenu();
  ASSERT_NE(office->FindMenuButton(MENU_SpeedUp), nullptr);
  EXPECT_EQ(Button(MENU_SpeedUp).ToolTipKey, "Hud.BuildingMenu.Haste");
}

TEST_F(OfficeRules, TheSpeedUpRunsForItsPeriodAndThenRecharges) {
  ChangeRules([](Balance& rules) {
    rules.OfficeSpeedUpPeriod = 10;
    rules.OfficeSpeedUpCooldown = 20;
  });
  Buy(OFUP_AutoService2);
  Office* office = PlaceSelectedOffice(1);
  EXPECT_FALSE(Button(MENU_SpeedUp).IsEnabled);
  Run(0.05f, 0.01f);  // ready a hundredth of a second into the level
  EXPECT_TRUE(Button(MENU_SpeedUp).IsEnabled);
  EXPECT_FLOAT_EQ(Button(MENU_SpeedUp).Progress, -1);
  EXPECT_EQ(officeEvents.AbilityEvents, std::vector<std::string>{"OnSpecialAbilityReady"});

  office->PressMenuButton(MENU_SpeedUp);
  EXPECT_TRUE(office->SpeedUpActive);
  EXPECT_TRUE(presenter.Has("sound sounds/haste.ogg"));
  EXPECT_FALSE(Button(MENU_SpeedUp).IsEnabled);
  EXPECT_FLOAT_EQ(Button(MENU_SpeedUp).Progress, 1);
  office->PressMenuButton(MENU_SpeedUp);
  EXPECT_TRUE(presenter.Has("hint AssistantHint.WaitRechargingAbility"));

  Run(5);
  EXPECT_NEAR(Button(MENU_SpeedUp).Progress, 0.5f, 0.02f);  // the period runs down
  Run(5.1f);
  EXPECT_FALSE(office->SpeedUpActive);
  Run(19.8f);
  EXPECT_FALSE(Button(MENU_SpeedUp).IsEnabled);
  Run(0.3f);
  EXPECT_TRUE(Button(MENU_SpeedUp).IsEnabled);
  EXPECT_EQ(officeEvents.AbilityEvents,
            (std::vector<std::string>{"OnSpecialAbilityReady", "OnSpecialAbilityUsed", "OnSpecialAbilityReady"}));
}

TEST_F(OfficeRules, WithoutACooldownTheSpeedUpIsReadyAgainAtOnce) {
  ChangeRules([](Balance& rules) {
    rules.OfficeSpeedUpPeriod = 1;
    rules.OfficeSpeedUpCooldown = 0;
  });
  Buy(OFUP_AutoService2);
  Office* office = PlaceSelectedOffice(1);
  Run(0.1f);
  office->PressMenuButton(MENU_SpeedUp);
  ASSERT_TRUE(office->SpeedUpActive);
  Run(1.3f);
  EXPECT_FALSE(office->SpeedUpActive);
  EXPECT_TRUE(Button(MENU_SpeedUp).IsEnabled);
}

TEST_F(OfficeRules, TheSpeedUpMakesVansDriveFaster) {
  struct Case {
    const char* Name;
    bool SpeedUp;
    uint32_t Upgrades;
    float Factor;
  } cases[] = {
      {"plain", false, 0, 1.0f},
      {"auto service", false, 1u << OFUP_AutoService, 1.2f},
      {"second auto service", false, 1u << OFUP_AutoService2, 1.4f},
      {"speed-up", true, 0, 2.0f},
  };
  for (const Case& c : cases) {
    SetUp();
    ChangeRules([](Balance& rules) { rules.OfficeSpeedUpMultiplier = 2; });
    map->OfficeUpgrades = c.Upgrades;
    Office* office = PlaceRealOffice(0, 1, 1);
    office->SpeedUpActive = c.SpeedUp;
    Order(BDK_Bungalow, 5, 0);  // above the road's far end
    map->Update(0.01f);         // the van leaves
    ConstructionVan* van = Van(0);
    float before = van->Progress;
    map->Update(0.01f);
    EXPECT_NEAR(van->Progress - before, 0.01f * van->Speed * c.Factor, 1e-4f) << c.Name;
    TearDown();
  }
}

TEST_F(OfficeRules, ItTellsHowManyVansItHasAndHowManyAreFree) {
  Office* office = PlaceRealOffice(0, 1, 3);
  Order(BDK_Bungalow, 5, 0);
  BuildingInfoRows rows;
  office->GetInfo(rows);
  std::vector<std::string> keys;
  for (const BuildingInfoRow& row : rows)
    keys.push_back(std::string(row.TextKey.CStr()) + " " + std::to_string(row.Value));
  EXPECT_EQ(keys, (std::vector<std::string>{"Hud.Info.AppearanceBonus 2", "Hud.Info.NumberOfVans 3",
                                            "Hud.Info.NumberOfFreeVans 2"}));
}

TEST_F(OfficeRules, ASavedOfficeComesBackWithItsVansAtHomeAndItsSpeedUpRunning) {
  ChangeRules([](Balance& rules) { rules.OfficeSpeedUpPeriod = 10; });
  Buy(OFUP_AutoService2);
  Office* office = PlaceRealOffice(0, 1, 4);
  Run(0.1f);
  office->Select();
  office->PressMenuButton(MENU_SpeedUp);
  Order(BDK_Bungalow, 5, 0);
  Run(3);
  OfficeSaveRecord saved;
  office->WriteOfficeSave(saved);
  EXPECT_EQ(saved.VanCount, 4);
  EXPECT_TRUE(saved.SpeedUpActive);
  EXPECT_NEAR(saved.SpeedUpTimer, 7, 0.15f);

  SetUp();
  Buy(OFUP_AutoService2);
  Office* loaded = PlaceRealOffice(0, 1, 0);
  loaded->ReadOfficeSave(saved);
  ASSERT_EQ(loaded->GetVanCount(), 4);
  for (ConstructionVan* van : loaded->Vans) {
    EXPECT_EQ(van->state, ConstructionVan::STATE_Idle);
    EXPECT_EQ(van->objective, loaded);
    EXPECT_FALSE(van->IsVisible());
  }
  EXPECT_TRUE(loaded->SpeedUpActive);
  Run(6.9f);
  EXPECT_TRUE(loaded->SpeedUpActive);
  Run(0.3f);
  EXPECT_FALSE(loaded->SpeedUpActive);
}

}  // namespace

namespace {

class OfficeOwnership : public OfficeRules {
protected:
  Office* PlaceOwnedOffice(const OfficeOwner& owner, const char16_t* levelTitle = u"") {
    realOffice = new Office();
    realOffice->Owner = owner;
    realOffice->CustomTitle = levelTitle;
    map->PlaceBuilding(realOffice, 0, 1, false);
    return realOffice;
  }
};

TEST_F(OfficeOwnership, TheOwnersRankPicksTheOfficesLook) {
  ChangeRules([](Balance& rules) {
    rules.CompanyValueRankLevels.Clear();
    for (uint64_t level : {150000ull, 600000ull, 2500000ull, 6000000ull, 12000000ull})
      rules.CompanyValueRankLevels.Add(level);
  });
  struct Case {
    bool HasProfile;
    uint64_t Recorded;
    int Look;
  } cases[] = {
      {false, 99000000, 0}, {true, 0, 0},       {true, 150000, 0},   {true, 600000, 1},
      {true, 5999999, 1},   {true, 6000000, 2}, {true, 99000000, 2},
  };
  for (const Case& c : cases) {
    SetUp();
    OfficeOwner owner;
    owner.HasProfile = c.HasProfile;
    owner.RecordedCompanyValues = c.Recorded;
    EXPECT_EQ(PlaceOwnedOffice(owner)->Level, c.Look) << c.HasProfile << " " << c.Recorded;
    TearDown();
  }
}

TEST_F(OfficeOwnership, AnUntitledOfficeTakesTheOwnersTitle) {
  OfficeOwner owner;
  owner.HasProfile = true;
  owner.Title = u"Office of Ann";
  EXPECT_EQ(PlaceOwnedOffice(owner)->CustomTitle, u"Office of Ann");
  SetUp();
  EXPECT_EQ(PlaceOwnedOffice(owner, u"Head office")->CustomTitle, u"Head office");
  SetUp();
  owner.HasProfile = false;
  EXPECT_EQ(PlaceOwnedOffice(owner)->CustomTitle, u"");
}

TEST_F(OfficeOwnership, TheAssistantTellsAboutTheReadySpeedUpOnce) {
  Buy(OFUP_AutoService2);
  OfficeOwner owner;
  owner.HasProfile = true;
  Office* office = PlaceOwnedOffice(owner);
  office->Select();  // not ready yet
  EXPECT_TRUE(presenter.Only("hint ").empty());
  office->Unselect();
  Run(0.1f);
  office->Select();
  EXPECT_EQ(presenter.Only("hint "), std::vector<std::string>{"AssistantHint.OfficeSpeedUpAvailable"});
  EXPECT_TRUE(office->Owner.HasSeenSpeedUpHint);
  office->Unselect();
  office->Select();
  EXPECT_EQ(presenter.Only("hint ").size(), 1u);
}

}  // namespace

namespace {

// The message and trace of the assertion the action fails with.
template <typename Action>
std::pair<std::string, std::string> FailureOf(Action action) {
  try {
    action();
  } catch (const Tessel::AssertionFailedException& e) {
    return {e.Message.CStr(), e.Trace.CStr()};
  }
  return {"no failure", ""};
}

TEST_F(OfficeRules, ContractViolationsFailWithTheirExpressionAndTrace) {
  Office* office = PlaceRealOffice(0, 1, 1);
  Building* idle = Place(BDK_Shop, 5, 1);
  map->JobQueue.Add(idle);  // queued without a job
  auto queued = FailureOf([&] { office->ProcessWorkersTasks(); });
  EXPECT_EQ(queued.first, "bld->JobRequired != JOB_None");
  EXPECT_EQ(queued.second, "    at Office::ProcessWorkersTasks()\n");
  map->JobQueue.Clear();

  Van(0)->state = ConstructionVan::STATE_FadeOut;
  auto fading = FailureOf([&] { Van(0)->Goto(idle); });
  EXPECT_EQ(fading.first, "!\"Invalid call. Van isn't ready to go to objective.\"");
  EXPECT_EQ(fading.second, "    at ConstructionVan::Goto( Building* )\n");
  Van(0)->state = ConstructionVan::STATE_Idle;

  map->BankAccount = 0;
  office->Select();
  EXPECT_EQ(FailureOf([&] { office->OnMenuButton(MENU_BuyVan); }).first,
            "TheMap->CanTransferMoney( -GetConstructionVanCost() )");
  EXPECT_EQ(FailureOf([] { ConstructionVan van(nullptr); }).first, "office != NULL");
  Office loose;
  EXPECT_EQ(FailureOf([&] { loose.AddVans(1); }).first, "Parent != NULL");
}

}  // namespace
