#pragma once
// The interface palette: cream paper framed in wood and brass, dark brown
// ink, gold for money, green for "yes", orange-red for warnings. Light comes
// from the top left everywhere.

namespace InterfaceArt {

struct Colour {
  double R, G, B;
  Colour Lighter(double amount) const { return {R + (1 - R) * amount, G + (1 - G) * amount, B + (1 - B) * amount}; }
  Colour Darker(double amount) const { return {R * (1 - amount), G * (1 - amount), B * (1 - amount)}; }
  // Desaturated towards its own brightness, for disabled controls.
  Colour Grey(double amount) const {
    double l = 0.3 * R + 0.59 * G + 0.11 * B;
    return {R + (l - R) * amount, G + (l - G) * amount, B + (l - B) * amount};
  }
};

constexpr Colour Hex(unsigned rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

namespace Palette {
constexpr Colour Paper = Hex(0xF6EBD0);
constexpr Colour PaperLight = Hex(0xFFF8E6);
constexpr Colour PaperShade = Hex(0xE6D3A8);
constexpr Colour Wood = Hex(0x8A5A2B);
constexpr Colour WoodDark = Hex(0x5E3B1A);
constexpr Colour WoodLight = Hex(0xB07A42);
constexpr Colour Brass = Hex(0xC99A3C);
constexpr Colour BrassLight = Hex(0xF2D27A);
constexpr Colour Ink = Hex(0x3B2A1A);
constexpr Colour Warning = Hex(0xD9482B);
constexpr Colour Leaf = Hex(0x6FBF4A);
constexpr Colour LeafDark = Hex(0x4E9A36);
constexpr Colour Sky = Hex(0x3F86C9);
constexpr Colour White = Hex(0xFFFFFF);
constexpr Colour Asphalt = Hex(0x6E6A66);
}  // namespace Palette

}  // namespace InterfaceArt
