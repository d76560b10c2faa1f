#include "fontgen/FontBuilder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/Image.h"
#include "fontgen/AtlasPacker.h"
#include "fontgen/CharacterSet.h"
#include "fontgen/GlyphRasterizer.h"
#include "tessel/Format.h"
#include "tessel/xml/XmlWriter.h"

namespace FontGen {

namespace {

constexpr int AtlasGap = 2;

struct Glyph {
  char16_t Code = 0;
  int Advance = 0;
  Coverage Frame;                // rectangle and offsets on the line
  std::vector<Coverage> Layers;  // each in Frame's rectangle
  PackedRect Place;
};

uint8_t ToByte(float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

Glyph PlainGlyph(char16_t code, const RasterGlyph& raster) {
  Glyph g;
  g.Code = code;
  g.Advance = raster.Advance;
  g.Frame = Coverage(raster.Ink.Width, raster.Ink.Height, raster.Ink.Left, raster.Ink.Top);
  g.Layers.push_back(raster.Ink);
  return g;
}

// Shadow, outline and fill, all in one frame; the ink moves right and down
// by the outline's width so that the outline stays inside the line.
Glyph LayeredGlyph(char16_t code, const RasterGlyph& raster, const LayerStyle& style, int margin) {
  Glyph g;
  g.Code = code;
  g.Advance = raster.Advance;
  Coverage fill = raster.Ink;
  fill.Left += margin;
  fill.Top += margin;
  if (fill.IsEmpty()) {
    g.Layers.assign(3, Coverage());
    return g;
  }
  Coverage outline = Dilate(fill, style.OutlineRadius);
  Coverage shadow = Shadow(outline, style.ShadowX, style.ShadowY, style.ShadowBlur, style.ShadowOpacity);
  g.Frame = Union({&fill, &outline, &shadow});
  g.Layers.push_back(Reframe(shadow, g.Frame));
  g.Layers.push_back(Reframe(outline, g.Frame));
  g.Layers.push_back(Reframe(fill, g.Frame));
  return g;
}

Tools::Rgba Colour(const FontGen::Colour& c, float alpha) {
  return Tools::Rgba{ToByte(c.R), ToByte(c.G), ToByte(c.B), ToByte(alpha)};
}

Tools::Rgba Mix(const FontGen::Colour& a, const FontGen::Colour& b, float t, float alpha) {
  t = std::clamp(t, 0.0f, 1.0f);
  FontGen::Colour c{a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
  return Colour(c, alpha);
}

// Draws one layer of every glyph into an atlas image.
Tools::Image LayerImage(const std::vector<Glyph>& glyphs, const AtlasSize& size, size_t layer,
                        const FontRecipe& recipe, int capTop, int baseline) {
  Tools::Image image(size.Width, size.Height);
  const FontGen::Colour white{1, 1, 1};
  const FontGen::Colour black{0, 0, 0};
  // Transparent texels keep the layer's colour, so filtering blends no
  // foreign colour into the glyph edges.
  FontGen::Colour background = white;
  if (recipe.Layered) background = layer == 0 ? black : layer == 1 ? recipe.Layers.Outline : recipe.Layers.FillBottom;
  for (Tools::Rgba& p : image.Data()) p = Colour(background, 0);
  for (const Glyph& g : glyphs) {
    const Coverage& ink = g.Layers[layer];
    for (int y = 0; y < g.Frame.Height; ++y) {
      float lineY = float(g.Frame.Top + y) + 0.5f;
      for (int x = 0; x < g.Frame.Width; ++x) {
        float a = ink.At(x, y);
        Tools::Rgba& p = image.At(g.Place.X + x, g.Place.Y + y);
        if (!recipe.Layered) {
          p = Colour(white, a);
        } else if (layer == 0) {
          p = Colour(black, a);
        } else if (layer == 1) {
          p = Colour(recipe.Layers.Outline, a);
        } else {
          float t = (lineY - float(capTop)) / float(std::max(1, baseline - capTop));
          p = Mix(recipe.Layers.FillTop, recipe.Layers.FillBottom, t, a);
        }
      }
    }
  }
  return image;
}

void WriteFontFile(const std::string& path, const FontRecipe& recipe, const std::vector<Glyph>& glyphs,
                   int lineHeight, int spacing, const GlyphRasterizer& raster) {
  using Tessel::FormatWide;
  Tools::MakeParentFolders(path);
  Tessel::XmlWriter xml{Tessel::String(path.c_str())};
  xml.WriteStartElement(u"font");
  xml.WriteAttribute(u"height", FormatWide(u"%i", lineHeight));
  xml.WriteAttribute(u"spacing", FormatWide(u"%i", spacing));
  for (const Glyph& g : glyphs) {
    xml.WriteStartElement(u"char");
    xml.WriteAttribute(u"code", std::u16string(1, g.Code));
    xml.WriteAttribute(u"width", FormatWide(u"%i", g.Advance));
    xml.WriteAttribute(u"rect", FormatWide(u"%i %i %i %i", g.Place.X, g.Place.Y, g.Place.Width, g.Place.Height));
    xml.WriteAttribute(u"offset", FormatWide(u"%i %i", g.Frame.Left, g.Frame.Top));
    xml.WriteEndElement();
  }
  for (const Glyph& a : glyphs) {
    for (const Glyph& b : glyphs) {
      int kern = raster.Kerning(a.Code, b.Code);
      if (kern == 0) continue;
      xml.WriteStartElement(u"kerning");
      xml.WriteAttribute(u"pair", std::u16string{a.Code, b.Code});
      xml.WriteAttribute(u"offset", FormatWide(u"%i", kern));
      xml.WriteEndElement();
    }
  }
  if (recipe.Layered) {
    xml.WriteStartElement(u"layers");
    for (const char* layer : {"shadow", "outline", "fill"}) {
      std::string image = recipe.Name + "_" + layer;
      xml.WriteStartElement(u"layer");
      xml.WriteAttribute(u"name", Tessel::Widen(layer));
      xml.WriteAttribute(u"image", Tessel::Widen(image));
      xml.WriteAttribute(u"color", u"255 255 255 255");
      xml.WriteEndElement();
    }
    xml.WriteEndElement();
  }
  xml.WriteEndElement();
  if (!xml.Close()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

void BuildFont(const FontRecipe& recipe, const std::string& systemFontFolder, const std::string& dataFolder) {
  GlyphRasterizer raster(systemFontFolder + "/" + recipe.FontFile, recipe.PixelSize);
  const int margin = recipe.Layered ? int(std::ceil(recipe.Layers.OutlineRadius)) : 0;
  std::vector<Glyph> glyphs;
  for (char16_t code : GameCharacterSet()) {
    if (!raster.HasGlyph(code)) {
      throw std::runtime_error(recipe.FontFile + " has no glyph for character " + std::to_string(int(code)));
    }
    RasterGlyph r = raster.Render(code);
    glyphs.push_back(recipe.Layered ? LayeredGlyph(code, r, recipe.Layers, margin) : PlainGlyph(code, r));
  }
  std::vector<PackedRect> rects;
  for (const Glyph& g : glyphs) rects.push_back(PackedRect{g.Frame.Width, g.Frame.Height, 0, 0});
  AtlasSize size = PackRectangles(rects, AtlasGap);
  for (size_t i = 0; i < glyphs.size(); ++i) glyphs[i].Place = rects[i];

  // The fill's gradient runs from the top of the capitals to the baseline.
  int capTop = raster.Render(u'H').Ink.Top + margin;
  int baseline = raster.Ascender() + margin;
  int lineHeight = raster.LineHeight() + 2 * margin + recipe.ExtraLineSpacing;
  int spacing = recipe.Layered ? 1 : 0;

  const std::string base = dataFolder + "/fonts/" + recipe.Name;
  if (recipe.Layered) {
    const char* names[] = {"_shadow", "_outline", "_fill"};
    for (size_t layer = 0; layer < 3; ++layer) {
      Tools::WritePng(base + names[layer] + ".png", LayerImage(glyphs, size, layer, recipe, capTop, baseline));
    }
  } else {
    Tools::WritePng(base + ".png", LayerImage(glyphs, size, 0, recipe, capTop, baseline));
  }
  WriteFontFile(base + ".xml", recipe, glyphs, lineHeight, spacing, raster);
}

}  // namespace FontGen
