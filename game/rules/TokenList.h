#pragma once
// Splitting the lists that rules and level files write in one attribute or
// element ("Bungalow, RoadBuilder", "100000;300000", "2 3 4 5 4").
//
// Every separator ends a token, so two separators in a row give an empty
// token and a separator at the start gives one; the text after the last
// separator is a token only when it is not empty. Some lists count empty
// tokens (the default top-score tables must have exactly twelve), others drop
// them; the caller says which.

#include "tessel/Array.h"
#include "tessel/WideText.h"

namespace Corvanta {

enum EmptyTokens { TOKENS_KeepEmpty, TOKENS_DropEmpty };

Tessel::Array<Tessel::WideString> SplitList(std::u16string_view text, std::u16string_view separators,
                                            EmptyTokens empty = TOKENS_KeepEmpty);

}  // namespace Corvanta
