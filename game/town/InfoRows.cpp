#include "game/town/InfoRows.h"

namespace Corvanta {

void AddInfoRow(BuildingInfoRows& rows, const char* textKey, int value) {
  BuildingInfoRow row;
  row.TextKey = textKey;
  row.Value = value;
  row.HasValue = true;
  int at = rows.GetSize();
  while (at > 0 && rows[at - 1].TextKey.View().starts_with("Hud.Progress.")) --at;
  rows.Add(row);
  for (int i = rows.GetSize() - 1; i > at; --i) {
    BuildingInfoRow moved = rows[i - 1];
    rows[i - 1] = rows[i];
    rows[i] = moved;
  }
}

}  // namespace Corvanta
