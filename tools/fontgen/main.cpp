// fontgen: writes one or more of the game's fonts into the data folder.
//   fontgen <system font folder> <data folder> <font name>...
#include <cstdio>
#include <exception>
#include <string>

#include "fontgen/FontBuilder.h"
#include "fontgen/FontRecipes.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: fontgen <system font folder> <data folder> <font name>...\n");
    return 2;
  }
  try {
    for (int i = 3; i < argc; ++i) {
      const FontGen::FontRecipe* recipe = FontGen::FindFontRecipe(argv[i]);
      if (!recipe) {
        std::fprintf(stderr, "fontgen: no font named %s\n", argv[i]);
        return 1;
      }
      FontGen::BuildFont(*recipe, argv[1], argv[2]);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fontgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
