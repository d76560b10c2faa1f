#pragma once
// The game's sound effects by file name ("click" -> sounds/click.ogg) and
// how loud each family is meant to feel: interface ticks softly, effects
// at one common level, ambient loops quietly underneath everything.

#include <string>
#include <vector>

#include "synth/Signal.h"

namespace SoundSynth {

enum Loudness { LOUD_Interface, LOUD_Effect, LOUD_Ambient };

// Target RMS of the loudest 0.4 s, per family (the content tests hold the
// generated files to these).
double TargetRms(Loudness loudness);

struct SoundRecipe {
  std::string Name;
  Loudness Level;
  Synth::Signal (*Make)();
};

const std::vector<SoundRecipe>& AllSounds();

// Interface (InterfaceSounds.cpp).
Synth::Signal MakeClick();
Synth::Signal MakeClickDisabled();
Synth::Signal MakeMouseEnter();
Synth::Signal MakeDialogPopup();
Synth::Signal MakeSpeechAppear();
Synth::Signal MakeInvalidAction();
Synth::Signal MakeGoalChecked();
Synth::Signal MakeGoalUnchecked();
Synth::Signal MakeStar();
Synth::Signal MakeJobStart();
Synth::Signal MakeJobCanceled();
Synth::Signal MakeBuildingSelect();
// Buildings and the building site (BuildingSounds.cpp).
Synth::Signal MakeApartments();
Synth::Signal MakeCottage();
Synth::Signal MakeChateau();
Synth::Signal MakeChineseGarden();
Synth::Signal MakeCinema();
Synth::Signal MakeDealership();
Synth::Signal MakeFountain();
Synth::Signal MakeOffice();
Synth::Signal MakePark();
Synth::Signal MakeShop();
Synth::Signal MakeStadium();
Synth::Signal MakeWorkshop();
Synth::Signal MakeAmusement();
Synth::Signal MakeBuildingPlaced();
Synth::Signal MakeConstruction();
Synth::Signal MakeDamage();
Synth::Signal MakeDemolish();
Synth::Signal MakeDemolishLaunch();
Synth::Signal MakeRepairCompleted();
Synth::Signal MakeRoadPlaced();
Synth::Signal MakeRoadDemolished();
Synth::Signal MakeForSale();
Synth::Signal MakeHouseBought();
Synth::Signal MakeRent();
Synth::Signal MakeCheckAppear();
Synth::Signal MakeCheckCollected();
// Vans (BuildingSounds.cpp).
Synth::Signal MakeVanAdded();
Synth::Signal MakeVanArrive();
Synth::Signal MakeVanMovesOut();
Synth::Signal MakeHaste();
Synth::Signal MakeWorkshopFrenzy();
// Events and celebrations (EventSounds.cpp).
Synth::Signal MakeCinemaPremiere();
Synth::Signal MakeExhibition();
Synth::Signal MakeFestival();
Synth::Signal MakeShopSale();
Synth::Signal MakeFireworkLaunch();
Synth::Signal MakeFireworkExplode();
Synth::Signal MakeLevelComplete();
Synth::Signal MakeLevelCompleteExpert();
Synth::Signal MakeWooooow();
// Ambient loops (AmbientSounds.cpp).
Synth::Signal MakeAmbientForest();
Synth::Signal MakeAmbientSnow();
Synth::Signal MakeAmbientTropics();

}  // namespace SoundSynth
