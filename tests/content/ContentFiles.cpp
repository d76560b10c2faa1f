#include "content/ContentFiles.h"

#include "tessel/text/CsvReader.h"
#include "tessel/text/LocalizedText.h"

namespace Content {

std::string DataFolder() { return CORVANTA_DATA_DIR "/"; }
std::string SourceFolder() { return CORVANTA_SOURCE_DIR "/"; }

TextTable ReadTextTable(const std::string& path) {
  TextTable table;
  Tessel::CsvReader csv{Tessel::String(path.c_str())};
  Tessel::Array<Tessel::WideString> row;
  if (!csv.ReadRow(row)) return table;
  table.Read = true;
  for (int i = 1; i < row.GetSize(); ++i) table.Languages.push_back(Tessel::ToUtf8(row[i]));
  while (csv.ReadRow(row)) {
    if (row.GetSize() == 0 || row[0].empty()) continue;
    std::string key = Tessel::ToUtf8(row[0]);
    if (table.Texts.count(key)) table.DuplicateKeys.push_back(key);
    std::vector<std::u16string>& texts = table.Texts[key];
    texts.assign(table.Languages.size(), std::u16string());
    for (size_t i = 0; i < table.Languages.size() && int(i + 1) < row.GetSize(); ++i) {
      texts[i] = Tessel::UnescapeText(row[int(i + 1)]);
    }
  }
  return table;
}

std::set<char16_t> CharactersUsed(const TextTable& table) {
  std::set<char16_t> used;
  for (const auto& [key, texts] : table.Texts) {
    for (const std::u16string& text : texts) {
      for (char16_t c : text) {
        if (c != u'\n' && c != u'\r' && c != u'\t') used.insert(c);
      }
    }
  }
  return used;
}

const std::vector<std::string>& CatalogueFonts() {
  static const std::vector<std::string> fonts = {
      "TrebuchetMSBold10", "VerdanaBold7",     "VerdanaBold8",      "MoneyBig",
      "TrebuchetMicro",    "MoneyMedium",      "CalendarDigits",    "Speech",
      "TrebuchetMSBold13", "TrebuchetMSBold22", "TrebuchetMS16",
  };
  return fonts;
}

const std::vector<std::string>& CatalogueImages() {
  static const std::vector<std::string> images = {
      "images/Interface/Cursors",
      "images/White",
      "images/interface/DialogSmall",
      "images/interface/DialogButtonSmall_normal",
      "images/interface/DialogButtonSmall_pressed",
      "images/interface/DialogButtonSmall_grey",
      "images/interface/DialogButtonSmall_over",
      "images/interface/SliderBar",
      "images/interface/SliderPin_active",
      "images/interface/SliderPin_inactive",
      "images/interface/TextBox",
      "images/interface/TextBoxCursor",
      "images/interface/CheckBox_normal",
      "images/interface/CheckBox_checked",
  };
  return images;
}

const std::vector<std::string>& CatalogueSounds() {
  static const std::vector<std::string> sounds = {
      "ambientForest",  "ambientSnow",     "ambientTropics", "amusement",      "apartments",      "buildingSelect",
      "cottage",        "buildingPlaced",  "chateau",        "checkAppear",    "checkCollected",  "chineseGarden",
      "cinema",         "cinemaPremiere",  "click",          "clickDisabled",  "construction",    "damage",
      "dealership",     "demolish",        "demolishLaunch", "dialogPopup",    "exhibition",      "festival",
      "fireworkLaunch", "fireworkExplode", "forSale",        "fountain",       "goalChecked",     "goalUnchecked",
      "haste",          "houseBought",     "invalidAction",  "jobCanceled",    "jobStart",        "levelComplete",
      "levelCompleteExpert", "wooooow",    "mouseEnter",     "office",         "park",            "rent",
      "repairCompleted", "roadPlaced",     "roadDemolished", "shop",           "shopSale",        "speechAppear",
      "star",           "stadium",         "vanAdded",       "vanArrive",      "vanMovesOut",     "workshop",
      "workshopFrenzy",
  };
  return sounds;
}

const std::vector<std::string>& CatalogueMusic() {
  static const std::vector<std::string> music = {"Music/MainMenu.ogg", "Music/Track0.ogg", "Music/Track1.ogg",
                                                 "Music/Track2.ogg",   "Music/Track3.ogg", "Music/Track4.ogg"};
  return music;
}

}  // namespace Content
