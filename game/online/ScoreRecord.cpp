#include "game/online/ScoreRecord.h"

#include "game/shell/GameRecords.h"
#include "game/shell/PlayerProfile.h"
#include "tessel/Format.h"

namespace Corvanta {

using namespace Tessel;

namespace {

// A name holding the separator would shift every later field on the server.
std::string NameField(const WideString& name) {
  std::string text = ToUtf8(name);
  for (char& c : text)
    if (c == ScoreFieldSeparator) c = '?';
  return text;
}

template <typename T>
void AppendField(std::string& record, std::string_view format, const T& value) {
  AppendFormat(record, format, value);
  record += ScoreFieldSeparator;
}

// Identifier 0 belongs to the invented default players, never to a player.
bool IsPlayers(uint32_t entryId, const PlayerProfile& player) { return player.Id != 0 && entryId == player.Id; }

}  // namespace

std::string BuildScoreRecord(const PlayerProfile& player, const GameRecords& records) {
  WideString company = player.CompanyName;
  uint64_t companyValue = player.GetCompanyValue();
  for (const CareerTopResult& entry : records.CareerTop) {
    if (!IsPlayers(entry.PlayerId, player)) continue;
    company = entry.CompanyName;
    companyValue = entry.CompanyValue;
    break;
  }

  std::string record;
  AppendField(record, "%hs", player.GetFolderName());
  AppendField(record, "%hs", NameField(player.Name));
  AppendField(record, "%hs", NameField(company));
  AppendField(record, "%I64u", companyValue);
  for (const auto& level : records.SandboxTop) {
    int days = 0, money = 0;
    for (const SandboxTopResult& entry : level) {
      if (!IsPlayers(entry.PlayerId, player)) continue;
      days = entry.Days;
      money = entry.Money;
      break;
    }
    AppendField(record, "%i", days);
    AppendField(record, "%i", money);
  }
  return record;
}

}  // namespace Corvanta
