// townart: draws the town's pictures (roads, ground, level landscapes,
// buildings, vehicles, people, effects) into the data folder as PNG.
//   townart <data folder> <picture name>...
//   townart --list     prints every picture name it can draw, one a line
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <exception>
#include <string>

#include "townart/Pictures.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--list") {
    for (const TownArt::PictureRecipe& picture : TownArt::AllPictures()) std::printf("%s\n", picture.Name.c_str());
    return 0;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: townart <data folder> <picture name>...\n       townart --list\n");
    return 2;
  }
  try {
    for (int i = 2; i < argc; ++i) {
      bool found = false;
      for (const TownArt::PictureRecipe& picture : TownArt::AllPictures()) {
        if (picture.Name != argv[i]) continue;
        // Level 6: the landscapes' grass is busy, and level 9 spends seconds on it.
        Tools::WritePng(std::string(argv[1]) + "/" + picture.Name + ".png", picture.Draw(), 6);
        found = true;
        break;
      }
      if (!found) {
        std::fprintf(stderr, "townart: no picture named %s\n", argv[i]);
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "townart: %s\n", e.what());
    return 1;
  }
  // The icons' lettering loads fonts through fontconfig; hand its caches back
  // so a leak checker sees only what the drawing itself kept.
  cairo_debug_reset_static_data();
  FcFini();
  return 0;
}
