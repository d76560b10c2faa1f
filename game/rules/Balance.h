#pragma once
// Balance: every tunable rule of the town simulation, from
// "./data/BalanceSettings.xml".
//
// A Balance is a plain value: Load reads a file into a new one and either
// returns it complete or throws, so a broken file never leaves half-read
// rules behind. The game reads one file at start (on the loading thread) and
// installs the result as the process-wide rules with Install; the simulation
// reads Balance::Current() and never writes it. Tests, benchmarks and the
// command-line runner install whatever rules they need and Reset afterwards.

#include <array>
#include <cstdint>

#include "game/rules/BuildingBalance.h"
#include "game/rules/BuildingKind.h"
#include "game/rules/OfficeUpgrade.h"
#include "tessel/Array.h"
#include "tessel/Strings.h"

namespace Tessel {
class XmlReader;
}

namespace Corvanta {

class Balance {
public:
  static constexpr int NumTopScores = 12;

  // Global settings, named like their elements in the file.
  int StartingBankAccount = 10000;
  int PayDayTime = 10;  // seconds of one game day; always > 0 once loaded
  float MarketToConstructionValueRatio = 1.2f;
  float MapScrollSpeedMin = 50;
  float MapScrollSpeedMax = 350;
  float MapScrollSpeedAccel = 300;
  int ConstructionVanCost = 10000;
  float ConstructionVanSupplyTime = 5;
  float ConstructionVanSpeedFull = 3;
  float ConstructionVanSpeedSlow = 2;
  float WorkshopVanSpeedFull = 2.1f;
  float WorkshopVanSpeedSlow = 1.4f;
  float WorkshopVanTimeAtBaseMin = 6;
  float WorkshopVanTimeAtBaseMax = 10;
  float WorkshopVanTimeAtHouseMin = 1;
  float WorkshopVanTimeAtHouseMax = 2;
  float CivilianCarSpeedFull = 1.5f;
  float CivilianCarSpeedSlow = 1.1f;
  FloatRange CivilianCarRespawnDelay{5, 20};
  float TaxiCarsCountPerSitizenRatio = 0.125f;
  int ForSaleDelayTimeMin = 20;
  int ForSaleDelayTimeMax = 40;
  int ForSaleWaitTimeMin = 5;
  int ForSaleWaitTimeMax = 10;
  float BuildingAuctionTimeMin = 5;
  float BuildingAuctionTimeNorm = 10;
  float BuildingAuctionTimeMax = 50;
  float BuildingJustConstructedTime = 10;
  FloatRange RandomBonusRevenuesPercent{0.05f, 0.25f};
  FloatRange RandomBonusRevenuesDuration{8, 12};
  FloatRange RandomBonusRevenuesCooldown{20, 300};
  float PremiumSquareBonusPercent = 0.1f;
  float OfficeSpeedUpPeriod = 10;
  float OfficeSpeedUpCooldown = 20;
  float OfficeSpeedUpMultiplier = 2;
  float WorkshopExtendedPeriod = 10;
  float WorkshopExtendedCooldown = 20;
  int WorkshopExtendedRadius = 5;
  float WorkshopRepairTime = 3;
  float BuildingInfoShowDelay = 1;
  float BuildingInfoHideDelay = 5;
  float PedestriansPerCitizenRatio = 0.125f;  // read and kept; nothing uses it
  FloatRange PedestriansRespawnDelay{5, 10};
  FloatRange PedestriansLifeTime{20, 30};
  FloatRange PedestriansSpeed{7, 12};
  FloatRange PedestriansWalkTime{10, 20};
  FloatRange PedestriansStayTime{3, 5};
  float PedestriansSmileBasePeriodicity = 20;

  // One record per kind 0..36; only the kinds with a name have one in use.
  BuildingBalance Buildings[BDK_NumTableKinds];

  OfficeUpgradeBalance OfficeUpgrades[OFUP_NumUpgrades];

  // Company values at which the player's rank rises, ascending.
  Tessel::Array<uint64_t> CompanyValueRankLevels;

  // The best-result tables a new records file starts with.
  std::array<uint64_t, NumTopScores> DefaultCareerCompanyValue = {
      50000000, 30000000, 15000000, 10000000, 5000000, 3000000, 1000000, 500000, 300000, 100000, 50000, 30000};
  std::array<int, NumTopScores> DefaultSandboxDays = {20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75};
  std::array<int, NumTopScores> DefaultSandboxMoney = {5000000, 3000000, 1500000, 1000000, 500000, 300000,
                                                        100000,  50000,   30000,   10000,   5000,   3000};

  // The record of a kind, or null for a number that has none (7..14, 17..19,
  // 24, 50, anything outside 0..36). StadiumCheap has its own record.
  const BuildingBalance* FindBuilding(int kind) const;
  // The same for a kind that must have one; others fail an assertion.
  const BuildingBalance& GetBuilding(int kind) const;
  BuildingBalance& GetBuilding(int kind);

  // Derives every kind record's missing values (BuildingBalance::Complete).
  // Load does it; tests that build rules by hand call it themselves.
  void CompleteBuildings();

  // Reads a balance file. Throws ContentException (with the trace line
  // "    at Balance::Load\n") when the file is missing, malformed, cut short,
  // or gives a value the simulation cannot run with.
  static Balance Load(const Tessel::String& path);
  // The same from a reader that has not been read yet (bytes in memory).
  static Balance Read(Tessel::XmlReader& xml);

  // The rules the running game uses. Until the first Install, and after
  // Reset, the defaults with every record derived (what an empty file gives).
  // Install is not synchronised: the loading thread installs before it
  // reports that loading has finished, and nothing reads the rules earlier.
  static const Balance& Current();
  static void Install(Balance balance);
  static void Reset();
};

}  // namespace Corvanta
