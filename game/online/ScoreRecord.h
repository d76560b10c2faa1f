#pragma once
// The score data the game posts: the current player's best results as the
// score server reads them, sixteen fields, each followed by the byte 0x7F:
//   1  the profile's folder name ("%08X" of its identifier)
//   2  the player's name (UTF-8)
//   3  the company name (UTF-8) and 4 the company value: those of the
//      player's place among the career's best companies, or the profile's own
//   5 to 16  for each of the six sandbox maps, the days and the money of the
//      player's place among that map's best results, or 0 and 0

#include <string>

namespace Corvanta {

class GameRecords;
class PlayerProfile;

constexpr char ScoreFieldSeparator = 0x7F;

std::string BuildScoreRecord(const PlayerProfile& player, const GameRecords& records);

}  // namespace Corvanta
