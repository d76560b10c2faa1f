// contactsheet: pages that show every generated image small with its name,
// and a specimen of every font drawn through its font file, for reviewing
// the art at a glance. The pages are for people, not for the game.
//   contactsheet <data folder> <output folder>
#include <cstdio>
#include <exception>
#include <string>

#include "contactsheet/FontSpecimens.h"
#include "contactsheet/ImagePages.h"
#include "contactsheet/TownScenes.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: contactsheet <data folder> <output folder>\n");
    return 2;
  }
  try {
    int pages = ContactSheet::WriteImagePages(argv[1], argv[2]);
    pages += ContactSheet::WriteFontSpecimens(argv[1], argv[2]);
    pages += ContactSheet::WriteTownScenes(argv[1], argv[2]);
    std::printf("contactsheet: %i pages in %s\n", pages, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "contactsheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
