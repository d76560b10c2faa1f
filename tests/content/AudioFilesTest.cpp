// The game's sounds and music as the mixer will read them: Ogg Vorbis at
// 44.1 kHz, never clipping, each at its family's loudness, the loops
// closing without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "content/ContentFiles.h"
#include "content/OggFile.h"

using namespace Content;

namespace {

enum Family { FAMILY_Interface, FAMILY_Effect, FAMILY_Ambient, FAMILY_Music };

struct AudioCase {
  std::string File;  // under the data folder
  Family Kind;
};

void PrintTo(const AudioCase& c, std::ostream* out) { *out << c.File; }

// Target loudness (RMS of the loudest window) of each family: interface
// ticks quiet, effects at one level, ambience and music underneath.
double Target(Family f) {
  switch (f) {
    case FAMILY_Interface: return 0.08;
    case FAMILY_Effect: return 0.14;
    case FAMILY_Ambient: return 0.06;
    case FAMILY_Music: return 0.09;
  }
  return 0;
}

double Window(Family f) { return f == FAMILY_Music ? 3.0 : 0.4; }

std::vector<AudioCase> AllAudio() {
  std::vector<AudioCase> cases;
  const std::vector<std::string> interface = {"buildingSelect", "click",        "clickDisabled", "dialogPopup", "invalidAction",
                                              "jobCanceled",    "jobStart",     "mouseEnter",    "speechAppear"};
  const std::vector<std::string> ambient = {"ambientForest", "ambientSnow", "ambientTropics"};
  for (const std::string& name : CatalogueSounds()) {
    Family f = FAMILY_Effect;
    if (std::find(interface.begin(), interface.end(), name) != interface.end()) f = FAMILY_Interface;
    if (std::find(ambient.begin(), ambient.end(), name) != ambient.end()) f = FAMILY_Ambient;
    cases.push_back({"sounds/" + name + ".ogg", f});
  }
  for (const std::string& track : CatalogueMusic()) cases.push_back({track, FAMILY_Music});
  return cases;
}

std::string CaseName(const testing::TestParamInfo<AudioCase>& info) {
  std::string name = info.param.File;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

std::vector<AudioCase> Loops() {
  std::vector<AudioCase> loops;
  for (const AudioCase& c : AllAudio()) {
    if (c.Kind == FAMILY_Music || c.Kind == FAMILY_Ambient) loops.push_back(c);
  }
  return loops;
}

class GameAudio : public testing::TestWithParam<AudioCase> {};
class GameLoop : public testing::TestWithParam<AudioCase> {};

double Decibels(double ratio) { return 20 * std::log10(ratio); }

}  // namespace

TEST_P(GameAudio, DecodesAtTheGamesRate) {
  DecodedAudio audio = DecodeOgg(DataFolder() + GetParam().File);
  ASSERT_TRUE(audio.Opened) << GetParam().File;
  EXPECT_EQ(audio.Rate, 44100);
  EXPECT_EQ(audio.Channels, GetParam().Kind == FAMILY_Music ? 2 : 1) << "music in stereo, effects in mono";
  if (GetParam().Kind == FAMILY_Music) {
    EXPECT_GT(audio.Seconds(), 20.0);
    EXPECT_LT(audio.Seconds(), 90.0);
  } else {
    EXPECT_GT(audio.Seconds(), 0.02);
    EXPECT_LT(audio.Seconds(), 10.0) << "effects are short";
  }
}

TEST_P(GameAudio, NeverClipsAndSitsAtItsFamilysLoudness) {
  DecodedAudio audio = DecodeOgg(DataFolder() + GetParam().File);
  ASSERT_TRUE(audio.Opened) << GetParam().File;
  EXPECT_LT(PeakOf(audio), 0.98) << GetParam().File << " clips";
  double level = Decibels(LoudestWindowRms(audio, Window(GetParam().Kind)) / Target(GetParam().Kind));
  EXPECT_GT(level, -3.0) << GetParam().File << " is " << -level << " dB too quiet";
  EXPECT_LT(level, 1.5) << GetParam().File << " is " << level << " dB too loud";
}

TEST_P(GameLoop, ClosesWithoutAClick) {
  DecodedAudio audio = DecodeOgg(DataFolder() + GetParam().File);
  ASSERT_TRUE(audio.Opened);
  for (const auto& channel : audio.Samples) {
    ASSERT_GT(channel.size(), 2u);
    // The step from the last sample back to the first is no bigger than
    // all but the largest thousandth of the steps the waveform takes anyway.
    std::vector<float> steps;
    for (size_t i = 1; i < channel.size(); ++i) steps.push_back(std::fabs(channel[i] - channel[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + long(steps.size() * 999 / 1000), steps.end());
    double usualStep = steps[steps.size() * 999 / 1000];
    EXPECT_LE(std::fabs(channel.front() - channel.back()), usualStep) << GetParam().File;
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GameAudio, testing::ValuesIn(AllAudio()), CaseName);
INSTANTIATE_TEST_SUITE_P(Catalogue, GameLoop, testing::ValuesIn(Loops()), CaseName);
