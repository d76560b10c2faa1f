#pragma once
// The sounds of houses, services and special buildings, by their catalogue
// names, beside the town's own sounds (MapPresenter.h).

namespace Corvanta {

namespace TownSounds {
constexpr const char* Damage = "sounds/damage.ogg";             // a house breaks
constexpr const char* CheckAppear = "sounds/checkAppear.ogg";   // a bonus check drops
constexpr const char* CheckCollected = "sounds/checkCollected.ogg";
constexpr const char* Rent = "sounds/rent.ogg";                 // a round of a special ability pays
constexpr const char* ShopSale = "sounds/shopSale.ogg";
constexpr const char* Festival = "sounds/festival.ogg";
constexpr const char* CinemaPremiere = "sounds/cinemaPremiere.ogg";
constexpr const char* Exhibition = "sounds/exhibition.ogg";
}  // namespace TownSounds

// The kind's own sound, played when its construction ends (and by the
// information tool on a click); null for a kind without one.
const char* GetKindSound(int kind);

}  // namespace Corvanta
