#pragma once
// Bitmap fonts made by the tests: a font file and its image written to a
// temporary folder and loaded through a resource manager, as the game loads
// its own. Every printable ASCII character gets a glyph of the same advance
// (the space half of it), so widths in a test are easy to count.

#include <memory>
#include <string>

#include "support/TempFolder.h"
#include "tessel/graphics/Font.h"
#include "tessel/resources/ResourceManager.h"

namespace Testing {

class TestFonts {
public:
  TestFonts();
  ~TestFonts();

  // Height 20. extraXml goes inside the font element (kerning pairs...).
  Tessel::Font* Make(const std::string& name, int advance = 10, int spacing = 0, const std::string& extraXml = "");
  Tessel::ResourceManager& GetManager() { return *Manager; }
  const TempFolder& GetFolder() const { return Folder; }

private:
  TempFolder Folder;
  std::unique_ptr<Tessel::ResourceManager> Manager;
};

}  // namespace Testing
