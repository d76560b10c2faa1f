#pragma once
// Where the content tests find the game's data folder (made by the build)
// and the sources, and the text table read as the game reads it.

#include <map>
#include <set>
#include <string>
#include <vector>

namespace Content {

std::string DataFolder();    // ends in "/"
std::string SourceFolder();  // ends in "/"

struct TextTable {
  bool Read = false;
  std::vector<std::string> Languages;  // header cells from column 1 on
  // key -> one text per language, escapes replaced; a missing cell is empty.
  std::map<std::string, std::vector<std::u16string>> Texts;
  std::vector<std::string> DuplicateKeys;
};

TextTable ReadTextTable(const std::string& path);

// Every character any text of the table shows (line breaks and tabs aside).
std::set<char16_t> CharactersUsed(const TextTable& table);

// The common resources of the game's catalogue: font names (fonts/<name>),
// image names without extension, sound names (sounds/<name>.ogg) and music
// files, as the game asks for them.
const std::vector<std::string>& CatalogueFonts();
const std::vector<std::string>& CatalogueImages();
const std::vector<std::string>& CatalogueSounds();
const std::vector<std::string>& CatalogueMusic();

}  // namespace Content
