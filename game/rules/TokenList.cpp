#include "game/rules/TokenList.h"

namespace Corvanta {

using namespace Tessel;

Array<WideString> SplitList(std::u16string_view text, std::u16string_view separators, EmptyTokens empty) {
  Array<WideString> tokens;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (separators.find(text[i]) == std::u16string_view::npos) continue;
    if (i > start || empty == TOKENS_KeepEmpty) tokens.Add(WideString(text.substr(start, i - start)));
    start = i + 1;
  }
  if (start < text.size()) tokens.Add(WideString(text.substr(start)));
  return tokens;
}

}  // namespace Corvanta
