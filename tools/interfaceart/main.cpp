// interfaceart: draws interface pictures into the data folder as PNG.
//   interfaceart <data folder> <picture name>...
#include <cstdio>
#include <exception>
#include <string>

#include "interfaceart/Pictures.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: interfaceart <data folder> <picture name>...\n");
    return 2;
  }
  try {
    for (int i = 2; i < argc; ++i) {
      bool found = false;
      for (const InterfaceArt::PictureRecipe& picture : InterfaceArt::AllPictures()) {
        if (picture.Name != argv[i]) continue;
        Tools::WritePng(std::string(argv[1]) + "/" + picture.Name + ".png", picture.Draw());
        found = true;
      }
      if (!found) {
        std::fprintf(stderr, "interfaceart: no picture named %s\n", argv[i]);
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "interfaceart: %s\n", e.what());
    return 1;
  }
  return 0;
}
