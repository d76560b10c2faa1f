#include "game/script/GoalText.h"

#include "tessel/Format.h"
#include "tessel/text/MoneyFormat.h"

namespace Corvanta {

Tessel::WideString AppendProgress(const Tessel::WideString& text, const Tessel::WideString& progressFormat, int left) {
  if (left <= 0) return text;
  Tessel::WideString progress = Tessel::FormatWide(progressFormat, left);
  if (text.empty()) return progress;
  return Tessel::FormatWide(u"%ls %ls", text, progress);
}

Tessel::WideString GroupedNumber(int number) { return Tessel::FormatMoney(number, true); }

}  // namespace Corvanta
