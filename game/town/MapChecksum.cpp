// Map: a digest of the simulation's state, to tell whether two runs went
// the same way (replays, bots, the determinism tests).

#include <cstring>
#include <unordered_map>

#include "game/town/Building.h"
#include "game/town/Map.h"

namespace Corvanta {

namespace {

// FNV-1a over the values in a fixed order.
class Digest {
public:
  void Add(uint64_t value) {
    for (int i = 0; i < 8; ++i) {
      Hash ^= (value >> (8 * i)) & 0xFF;
      Hash *= 0x100000001B3ull;
    }
  }
  void Add(int value) { Add(static_cast<uint64_t>(static_cast<int64_t>(value))); }
  void Add(bool value) { Add(static_cast<uint64_t>(value ? 1 : 0)); }
  void Add(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Add(static_cast<uint64_t>(bits));
  }
  uint64_t Hash = 0xCBF29CE484222325ull;
};

}  // namespace

uint64_t Map::ComputeChecksum() const {
  // Buildings are named by their place in Buildings.
  std::unordered_map<const MapEntity*, int> order;
  for (int i = 0; i < Buildings.GetSize(); ++i) order.emplace(Buildings[i], i);
  auto indexOf = [&order](const MapEntity* entity) {
    auto found = order.find(entity);
    return found == order.end() ? -1 : found->second;
  };
  Digest digest;
  digest.Add(Columns);
  digest.Add(Rows);
  for (const MapSquare& square : Squares) {
    digest.Add(square.IsRoad);
    digest.Add(square.IsForbidden);
    digest.Add(square.IsPremium);
    digest.Add(square.CanBuild);
    digest.Add(square.CanRoad);
    digest.Add(square.RoadMask);
    digest.Add(square.Entity ? indexOf(square.Entity) : -2);
  }
  digest.Add(Buildings.GetSize());
  for (const Building* building : Buildings) {
    digest.Add(static_cast<int>(building->Kind));
    digest.Add(building->Square ? building->Square->X : -1);
    digest.Add(building->Square ? building->Square->Y : -1);
    digest.Add(building->Level);
    digest.Add(static_cast<int>(building->JobRequired));
    digest.Add(building->JobProgress);
    digest.Add(building->jobDoSelf);
    digest.Add(building->JobCost);
    digest.Add(building->VansAssigned.size());
    digest.Add(building->IsRival);
    digest.Add(building->IsBroken);
    digest.Add(building->WasBought);
    digest.Add(building->isForSale);
    digest.Add(building->SaleTimer);
    digest.Add(building->Price);
    digest.Add(building->IsConnected);
    digest.Add(building->RoadRoute.GetSize());
    digest.Add(building->NewTimer);
    digest.Add(building->OfferCount);
  }
  for (const Building* building : JobQueue) digest.Add(indexOf(building));
  digest.Add(BankAccount);
  digest.Add(WorkCount);
  digest.Add(DemolishCount);
  digest.Add(TotalIncome);
  digest.Add(Population);
  digest.Add(Appearance);
  digest.Add(GameTime);
  digest.Add(PayDayProgress);
  digest.Add(Day);
  digest.Add(LastPayDayIncome);
  digest.Add(NextRivalOfferTime);
  digest.Add(HasIncomeBuilding);
  digest.Add(IsWon);
  digest.Add(WinBankAccount);
  return digest.Hash;
}

}  // namespace Corvanta
