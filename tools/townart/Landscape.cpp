#include "townart/Landscape.h"

namespace TownArt {

const LandPalette& PaletteOf(Landscape land) {
  static const LandPalette forest = {Hex(0x6FBF4A), Hex(0x4E9A36), Hex(0x8FD466),  // grass
                                     Hex(0x4E9A36), Hex(0x2F6E25), Hex(0x86C95A),  // foliage
                                     Hex(0x8B6A45),                                // soil
                                     Hex(0x6E6A66), Hex(0xCFC7B8), Hex(0xA9A091), Hex(0xE8E2D6), Hex(0x5C7A35),
                                     Hex(0x1E3A12), Hex(0x3FA7C9), Hex(0x2A7FA8), false};
  static const LandPalette fall = {Hex(0x9DB04A), Hex(0x7E8B36), Hex(0xB9C265), Hex(0xD9822B),
                                   Hex(0xB8612A), Hex(0xF0A64A), Hex(0x7E5A36), Hex(0x6A6561),
                                   Hex(0xC9BCA6), Hex(0xA39580), Hex(0xE3D8C4), Hex(0x8A6A2E),
                                   Hex(0x3A2A10), Hex(0x3E94B0), Hex(0x2B6E8C), false};
  static const LandPalette snow = {Hex(0xEEF3F7), Hex(0xB8C7D9), Hex(0xFFFFFF), Hex(0x3F7A5A),
                                   Hex(0x2A5A44), Hex(0x6E9E80), Hex(0x8A7A6A), Hex(0x66676C),
                                   Hex(0xD9DEE4), Hex(0xB4BCC6), Hex(0xF4F7FA), Hex(0xFFFFFF),
                                   Hex(0x506A8A), Hex(0x7FB3CF), Hex(0x5B8FB0), true};
  static const LandPalette tropic = {Hex(0x7CC64E), Hex(0x5AA53A), Hex(0x9ADB6A), Hex(0x3E9A3A),
                                     Hex(0x26702A), Hex(0x74C45A), Hex(0xC8A86A), Hex(0x75706A),
                                     Hex(0xE8D39A), Hex(0xC9B27A), Hex(0xF5E6BC), Hex(0xD8C08A),
                                     Hex(0x2A3A14), Hex(0x2FB3B0), Hex(0x1E8A96), false};
  switch (land) {
    case LAND_Fall: return fall;
    case LAND_Snow: return snow;
    case LAND_Tropic: return tropic;
    default: return forest;
  }
}

const char* LandscapeName(Landscape land) {
  switch (land) {
    case LAND_Fall: return "Fall";
    case LAND_Snow: return "Snow";
    case LAND_Tropic: return "Tropic";
    default: return "Forest";
  }
}

}  // namespace TownArt
