#include "soundsynth/SoundRecipes.h"

namespace SoundSynth {

double TargetRms(Loudness loudness) {
  switch (loudness) {
    case LOUD_Interface: return 0.08;
    case LOUD_Effect: return 0.14;
    case LOUD_Ambient: return 0.06;
  }
  return 0.14;
}

const std::vector<SoundRecipe>& AllSounds() {
  static const std::vector<SoundRecipe> sounds = {
      {"ambientForest", LOUD_Ambient, MakeAmbientForest},
      {"ambientSnow", LOUD_Ambient, MakeAmbientSnow},
      {"ambientTropics", LOUD_Ambient, MakeAmbientTropics},
      {"amusement", LOUD_Effect, MakeAmusement},
      {"apartments", LOUD_Effect, MakeApartments},
      {"buildingSelect", LOUD_Interface, MakeBuildingSelect},
      {"cottage", LOUD_Effect, MakeCottage},
      {"buildingPlaced", LOUD_Effect, MakeBuildingPlaced},
      {"chateau", LOUD_Effect, MakeChateau},
      {"checkAppear", LOUD_Effect, MakeCheckAppear},
      {"checkCollected", LOUD_Effect, MakeCheckCollected},
      {"chineseGarden", LOUD_Effect, MakeChineseGarden},
      {"cinema", LOUD_Effect, MakeCinema},
      {"cinemaPremiere", LOUD_Effect, MakeCinemaPremiere},
      {"click", LOUD_Interface, MakeClick},
      {"clickDisabled", LOUD_Interface, MakeClickDisabled},
      {"construction", LOUD_Effect, MakeConstruction},
      {"damage", LOUD_Effect, MakeDamage},
      {"dealership", LOUD_Effect, MakeDealership},
      {"demolish", LOUD_Effect, MakeDemolish},
      {"demolishLaunch", LOUD_Effect, MakeDemolishLaunch},
      {"dialogPopup", LOUD_Interface, MakeDialogPopup},
      {"exhibition", LOUD_Effect, MakeExhibition},
      {"festival", LOUD_Effect, MakeFestival},
      {"fireworkLaunch", LOUD_Effect, MakeFireworkLaunch},
      {"fireworkExplode", LOUD_Effect, MakeFireworkExplode},
      {"forSale", LOUD_Effect, MakeForSale},
      {"fountain", LOUD_Effect, MakeFountain},
      {"goalChecked", LOUD_Effect, MakeGoalChecked},
      {"goalUnchecked", LOUD_Effect, MakeGoalUnchecked},
      {"haste", LOUD_Effect, MakeHaste},
      {"houseBought", LOUD_Effect, MakeHouseBought},
      {"invalidAction", LOUD_Interface, MakeInvalidAction},
      {"jobCanceled", LOUD_Interface, MakeJobCanceled},
      {"jobStart", LOUD_Interface, MakeJobStart},
      {"levelComplete", LOUD_Effect, MakeLevelComplete},
      {"levelCompleteExpert", LOUD_Effect, MakeLevelCompleteExpert},
      {"wooooow", LOUD_Effect, MakeWooooow},
      {"mouseEnter", LOUD_Interface, MakeMouseEnter},
      {"office", LOUD_Effect, MakeOffice},
      {"park", LOUD_Effect, MakePark},
      {"rent", LOUD_Effect, MakeRent},
      {"repairCompleted", LOUD_Effect, MakeRepairCompleted},
      {"roadPlaced", LOUD_Effect, MakeRoadPlaced},
      {"roadDemolished", LOUD_Effect, MakeRoadDemolished},
      {"shop", LOUD_Effect, MakeShop},
      {"shopSale", LOUD_Effect, MakeShopSale},
      {"speechAppear", LOUD_Interface, MakeSpeechAppear},
      {"star", LOUD_Effect, MakeStar},
      {"stadium", LOUD_Effect, MakeStadium},
      {"vanAdded", LOUD_Effect, MakeVanAdded},
      {"vanArrive", LOUD_Effect, MakeVanArrive},
      {"vanMovesOut", LOUD_Effect, MakeVanMovesOut},
      {"workshop", LOUD_Effect, MakeWorkshop},
      {"workshopFrenzy", LOUD_Effect, MakeWorkshopFrenzy},
  };
  return sounds;
}

}  // namespace SoundSynth
