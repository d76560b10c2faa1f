#include "contactsheet/FontSpecimens.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "common/FontFile.h"
#include "common/Image.h"
#include "contactsheet/CairoPage.h"

namespace ContactSheet {

namespace {

constexpr int PageWidth = 1280;

struct LoadedFont {
  std::string Name;
  Tools::FontFile File;
  std::vector<Tools::Image> LayerImages;
};

LoadedFont LoadFont(const std::string& dataFolder, const std::string& name) {
  LoadedFont font;
  font.Name = name;
  font.File = Tools::ReadFontFile(dataFolder + "/fonts/" + name + ".xml");
  if (font.File.Layers.empty()) {
    font.LayerImages.push_back(Tools::ReadPng(dataFolder + "/fonts/" + name + ".png"));
  } else {
    for (const Tools::FontLayer& layer : font.File.Layers) {
      font.LayerImages.push_back(Tools::ReadPng(dataFolder + "/fonts/" + layer.Image + ".png"));
    }
  }
  return font;
}

// Source texel times colour, over an opaque page.
void BlendOver(Tools::Rgba& dst, const Tools::Rgba& src, uint32_t colour) {
  float a = src.A / 255.0f * float(colour >> 24) / 255.0f;
  float r = src.R * float((colour >> 16) & 0xFF) / 255.0f;
  float g = src.G * float((colour >> 8) & 0xFF) / 255.0f;
  float b = src.B * float(colour & 0xFF) / 255.0f;
  dst.R = uint8_t(dst.R + (r - dst.R) * a);
  dst.G = uint8_t(dst.G + (g - dst.G) * a);
  dst.B = uint8_t(dst.B + (b - dst.B) * a);
}

// As the game draws: every layer over the whole line, later layers on top;
// layer 0 in the caller's colour, the others in their own with its alpha.
void DrawText(Tools::Image& page, const LoadedFont& font, int x, int y, const std::u16string& text, uint32_t colour) {
  for (size_t layer = 0; layer < font.LayerImages.size(); ++layer) {
    uint32_t c = colour;
    if (layer > 0) c = (colour & 0xFF000000) | (font.File.Layers[layer].Colour & 0x00FFFFFF);
    const Tools::Image& image = font.LayerImages[layer];
    int penX = x;
    for (size_t i = 0; i < text.size(); ++i) {
      auto found = font.File.Glyphs.find(text[i]);
      if (found == font.File.Glyphs.end()) continue;
      const Tools::FontGlyph& g = found->second;
      for (int j = 0; j < g.Source.Height; ++j) {
        for (int k = 0; k < g.Source.Width; ++k) {
          int px = penX + g.Offset.X + k, py = y + g.Offset.Y + j;
          if (px < 0 || py < 0 || px >= page.GetWidth() || py >= page.GetHeight()) continue;
          BlendOver(page.At(px, py), image.At(g.Source.X + k, g.Source.Y + j), c);
        }
      }
      penX += g.Advance + font.File.Spacing;
      if (i + 1 < text.size()) {
        auto kern = font.File.Kerning.find({text[i], text[i + 1]});
        if (kern != font.File.Kerning.end()) penX += kern->second;
      }
    }
  }
}

void FillRect(Tools::Image& page, int x, int y, int w, int h, Tools::Rgba colour) {
  for (int j = std::max(0, y); j < std::min(page.GetHeight(), y + h); ++j) {
    for (int i = std::max(0, x); i < std::min(page.GetWidth(), x + w); ++i) page.At(i, j) = colour;
  }
}

struct Background {
  Tools::Rgba Fill;
  uint32_t TextColour;
};

}  // namespace

int WriteFontSpecimens(const std::string& dataFolder, const std::string& outputFolder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dataFolder + "/fonts")) {
    if (entry.path().extension() == ".xml") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  std::vector<LoadedFont> fonts;
  int height = 10;
  for (const std::string& name : names) {
    fonts.push_back(LoadFont(dataFolder, name));
    height += 30 + 2 * (fonts.back().File.Height + 8) + 10;
  }
  const std::u16string samples[] = {
      u"Bungalow $1,250  Pay day in 3 days  Größe Übersicht Äpfel Öl – „Grüße“ … 100%",
      u"AVATAR Tower WAVE yo 0123456789 €9.999 ¿¡ àçéñøß Fahrräder kaufen, Straßen bauen",
  };
  const Background backgrounds[] = {
      {{246, 235, 208, 255}, 0xFF3B2A1A},  // panel paper, dark brown text
      {{111, 191, 74, 255}, 0xFFFFFFFF},   // grass, white text
      {{59, 42, 26, 255}, 0xFFFFFFFF},     // dark wood, white text
  };
  Tools::Image page(PageWidth, height);
  for (Tools::Rgba& p : page.Data()) p = Tools::Rgba{255, 255, 255, 255};
  std::vector<std::pair<int, std::string>> labels;
  int y = 10;
  for (const LoadedFont& font : fonts) {
    labels.push_back({y + 14, font.Name + "  (height " + std::to_string(font.File.Height) + ", " +
                                  std::to_string(font.File.Glyphs.size()) + " glyphs, " +
                                  std::to_string(font.File.Kerning.size()) + " kerning pairs)"});
    y += 22;
    for (int line = 0; line < 2; ++line) {
      int x = 10;
      for (const Background& back : backgrounds) {
        int w = (PageWidth - 40) / 3;
        FillRect(page, x, y, w, font.File.Height + 8, back.Fill);
        // Each box shows the line from its start; layered fonts bake their colours.
        uint32_t colour = font.File.Layers.empty() ? back.TextColour : 0xFFFFFFFF;
        Tools::Image box(w, font.File.Height + 8);
        for (int j = 0; j < box.GetHeight(); ++j)
          for (int i = 0; i < w; ++i) box.At(i, j) = back.Fill;
        DrawText(box, font, 4, 4, samples[line], colour);
        page.Blit(box, x, y);
        x += w + 10;
      }
      y += font.File.Height + 8 + 4;
    }
    y += 14;
  }
  cairo_surface_t* surface = ToSurface(page);
  cairo_t* cr = cairo_create(surface);
  for (const auto& [labelY, text] : labels) DrawLabel(cr, 10, labelY, text, 12, 0.1, 0.1, 0.1);
  cairo_destroy(cr);
  Tools::WritePng(outputFolder + "/fonts.png", FromSurface(surface));
  cairo_surface_destroy(surface);
  return 1;
}

}  // namespace ContactSheet
