#include "support/TestFonts.h"

#include <filesystem>

#include "resources/ImageFixtures.h"
#include "tessel/resources/ContentPaths.h"

namespace Testing {

namespace {

std::string XmlCharacter(char c) {
  switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    case '\'': return "&apos;";
    case '"': return "&quot;";
    default: return std::string(1, c);
  }
}

}  // namespace

TestFonts::TestFonts() : Manager(std::make_unique<Tessel::ResourceManager>(Tessel::String(Folder.Path().c_str()))) {
  Tessel::ForgetContentListings();
  std::filesystem::create_directories(Folder.File("fonts"));
}

TestFonts::~TestFonts() {
  Manager.reset();
  Tessel::ForgetContentListings();
}

Tessel::Font* TestFonts::Make(const std::string& name, int advance, int spacing, const std::string& extraXml) {
  std::string xml = "<font height='20' spacing='" + std::to_string(spacing) + "'>";
  for (char c = 32; c < 127; ++c) {
    int width = c == ' ' ? advance / 2 : advance;
    int x = (c - 32) * advance;
    xml += "<char code='" + XmlCharacter(c) + "' width='" + std::to_string(width) + "' rect='" + std::to_string(x) +
           " 0 " + std::to_string(width) + " 20'/>";
  }
  xml += extraXml + "<layers><layer name='fill' image='" + name + "' color='255 255 255'/></layers></font>";
  Folder.Write("fonts/" + name + ".xml", xml);
  Folder.Write("fonts/" + name + ".png", MakePng(PNG_Rgba, 95 * advance, 20));
  Tessel::ForgetContentListings();
  return Manager->GetFont(Tessel::String(("fonts/" + name).c_str()));
}

}  // namespace Testing
