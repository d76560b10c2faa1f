#include "script/GoalTestSupport.h"

#include "game/script/LevelGoals.h"
#include "rules/RulesTestSupport.h"
#include "tessel/text/MoneyFormat.h"

using namespace Corvanta;

namespace Testing {

Corvanta::PropCatalogue* GoalTest::Props = nullptr;

std::string Narrow(const Tessel::WideString& text) { return Tessel::ToNarrow(text).CStr(); }

std::string TextOf(const MapGoal& goal) { return Narrow(goal.GetText()); }

void GoalTest::SetUpTestSuite() {
  Tessel::LocalizedText& texts = Tessel::LocalizedText::Instance();
  texts.Load(CORVANTA_DATA_DIR "/Text.csv", "English");
  Tessel::ReadCurrencyLocale(texts);
  Props = new PropCatalogue(PropCatalogue::Load(CORVANTA_DATA_DIR "/Props.xml"));
  InstallGoalKinds();
}

void GoalTest::TearDownTestSuite() {
  MapGoal::SetFactory(nullptr);
  delete Props;
  Props = nullptr;
  Tessel::SetCurrencyLocale(Tessel::CurrencyLocale());
  Tessel::LocalizedText::Instance().Clear();
}

void GoalTest::SetUp() {
  EconomyTest::SetUp();
  BuildTown();
  Run(1.1f);  // past the start delay
  presenter.Log.clear();
}

LevelFile GoalTest::ReadLevel(const std::string& goalElements) {
  Tessel::XmlReader xml = ReaderOf(
      "<Map><Building type='Office' square='0 0'/><Goals>" + goalElements + "</Goals></Map>", "levels/Goals.xml");
  return LevelFile::Read(xml, *Props, Tessel::LocalizedText::Instance());
}

std::vector<MapGoal*> GoalTest::AddGoals(const std::string& goalElements) {
  int first = map->Goals.GetSize();
  CreateLevelGoals(*map, ReadLevel(goalElements));
  std::vector<MapGoal*> goals;
  for (int i = first; i < map->Goals.GetSize(); ++i) goals.push_back(map->Goals[i]);
  return goals;
}

std::vector<std::string> GoalTest::GoalSounds() const {
  std::vector<std::string> sounds;
  for (const std::string& sound : presenter.Only("sound "))
    if (sound.rfind("sounds/goal", 0) == 0) sounds.push_back(sound);
  return sounds;
}

}  // namespace Testing
