// Corvanta: the process entry.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::printf("Usage: corvanta [options]\n");
      return 0;
    }
  }
  std::printf("Corvanta\n");
  return 0;
}
