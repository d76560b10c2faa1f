#pragma once
// How the score data travels in the request path: every byte replaced by
// the substitution table's entry (a permutation agreed with the score
// server, which reverses it), one checksum character appended, and the
// result percent-encoded so that only letters, digits and "%XX" remain.

#include <cstdint>
#include <string>
#include <string_view>

namespace Corvanta {

extern const uint8_t ScoreSubstitutionTable[256];

void ScrambleScoreData(std::string& data);
// (sum of the scrambled bytes as unsigned values) mod 192 + 32.
char ScoreChecksum(std::string_view scrambled);
// ASCII letters and digits stay, every other byte becomes "%" and two
// upper-case hexadecimal digits.
std::string PercentEncode(std::string_view bytes);
// The three steps: what follows the request prefix in the path.
std::string EncodeScoreData(std::string_view record);

}  // namespace Corvanta
