#include "tessel/graphics/Font.h"

#include <cmath>

#include "tessel/Log.h"
#include "tessel/Scan.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/ContentPaths.h"
#include "tessel/resources/ResourceManager.h"
#include "tessel/text/ValueParsers.h"
#include "tessel/xml/XmlReader.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(Font, ResourceBase);

namespace {

int IntAttribute(const XmlReader& xml, const char* name) {
  const WideString* value = xml.GetAttributeNoCase(name);
  return value ? WideToInt(*value) : 0;
}

// "r g b a", alpha 255 when left out.
uint32_t ParseColor(const WideString& text) {
  std::string ascii = AsciiPrefix(text);
  int32_t values[4] = {0, 0, 0, 255};
  size_t position = 0;
  for (int32_t& value : values)
    if (!ScanInt(ascii, position, value)) break;
  auto byte = [](int32_t v) { return static_cast<uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
  return byte(values[3]) << 24 | byte(values[0]) << 16 | byte(values[1]) << 8 | byte(values[2]);
}

// The folder part of a font name, "fonts/" for "fonts/Speech".
String FolderOf(const String& name) {
  const char* text = name.CStr();
  int last = -1;
  for (int i = 0; text[i]; ++i)
    if (text[i] == '/' || text[i] == '\\') last = i;
  return last < 0 ? String() : String(text, static_cast<size_t>(last + 1));
}

int RoundHalfAway(float v) { return static_cast<int>(std::round(v)); }

}  // namespace

void Font::SetGlyph(char16_t code, int index) {
  auto& page = Pages[code >> 8];
  if (!page) {
    page = std::make_unique<std::array<int, 256>>();
    page->fill(-1);
  }
  (*page)[code & 0xFF] = index;
}

const Glyph* Font::FindGlyph(char16_t c) const {
  const auto& page = Pages[c >> 8];
  if (!page) return nullptr;
  int index = (*page)[c & 0xFF];
  return index < 0 ? nullptr : &Glyphs[static_cast<size_t>(index)];
}

void Font::AddGlyph(char16_t code, const Glyph& glyph) {
  Glyphs.push_back(glyph);
  SetGlyph(code, static_cast<int>(Glyphs.size() - 1));
}

void Font::Load(ResourceManager& manager) {
  String path = manager.BaseFolder + Name + ".xml";
  String resolved = ResolveContentPath(path);
  XmlReader xml(resolved.IsEmpty() ? path : resolved);
  while (xml.Read() && xml.NodeType != XMLNODE_Element) {
  }
  if (xml.NodeType != XMLNODE_Element || !EqualsNoCase(xml.Name, "font")) {
    PrintLog("error: '%s': The root element 'font' expected.\n", path);
    return;
  }
  Height = IntAttribute(xml, "height");
  Spacing = IntAttribute(xml, "spacing");
  String folder = FolderOf(Name);
  bool inLayers = false;
  WideString image;
  uint32_t color = 0xFFFFFFFF;
  while (xml.Read()) {
    if (xml.NodeType == XMLNODE_EndElement && EqualsNoCase(xml.Name, "layers")) inLayers = false;
    if (xml.NodeType != XMLNODE_Element) continue;
    if (EqualsNoCase(xml.Name, "char")) {
      const WideString* code = xml.GetAttributeNoCase("code");
      if (!code || code->empty() || (*code)[0] == 0) continue;
      Glyph glyph;
      glyph.Advance = IntAttribute(xml, "width");
      if (const WideString* rect = xml.GetAttributeNoCase("rect")) {
        Rect r = ParseRect(*rect);
        glyph.Source = RectF{static_cast<float>(r.X), static_cast<float>(r.Y), static_cast<float>(r.Width),
                             static_cast<float>(r.Height)};
      }
      if (const WideString* offset = xml.GetAttributeNoCase("offset")) {
        Point p = ParsePoint(*offset);
        glyph.OffsetX = p.X;
        glyph.OffsetY = p.Y;
      }
      Glyphs.push_back(glyph);
      SetGlyph((*code)[0], static_cast<int>(Glyphs.size() - 1));
    } else if (EqualsNoCase(xml.Name, "kerning")) {
      const WideString* pair = xml.GetAttributeNoCase("pair");
      int offset = IntAttribute(xml, "offset");
      if (!pair || pair->size() < 2 || (*pair)[0] == 0 || (*pair)[1] == 0 || offset == 0) continue;
      const Glyph* first = FindGlyph((*pair)[0]);
      if (!first) continue;  // pairs before their first character's glyph are dropped
      const_cast<Glyph*>(first)->Kerning.push_back(KerningPair{(*pair)[1], static_cast<int16_t>(offset)});
    } else if (EqualsNoCase(xml.Name, "layers")) {
      inLayers = true;
    } else if (inLayers && EqualsNoCase(xml.Name, "layer")) {
      FontLayer layer;
      if (const WideString* name = xml.GetAttributeNoCase("name")) layer.Name = *name;
      if (const WideString* rgba = xml.GetAttributeNoCase("color")) color = ParseColor(*rgba);
      layer.Color = color;
      // Layers that share an image share one bitmap (and so one batch).
      const WideString* file = xml.GetAttributeNoCase("image");
      if (file) image = *file;
      if (!file && !Layers.empty()) {
        layer.Image = Layers.back().Image;
      } else {
        layer.Image = manager.LoadBitmap(folder + ToNarrow(image));
      }
      Layers.push_back(layer);
    }
  }
  if (Layers.empty()) Layers.push_back(FontLayer{WideString(), manager.LoadBitmap(Name), 0xFFFFFFFF});
}

int Font::GetAdvance(char16_t c, char16_t next) const {
  const Glyph* glyph = FindGlyph(c);
  if (!glyph) return 0;
  for (const KerningPair& pair : glyph->Kerning)
    if (pair.Next == next) return glyph->Advance + pair.Offset;
  return glyph->Advance;
}

int Font::MeasureText(std::u16string_view text) const {
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    int advance = 0;
    if (i + 1 < text.size()) {
      advance = GetAdvance(text[i], text[i + 1]);
    } else if (const Glyph* glyph = FindGlyph(text[i])) {
      advance = glyph->Advance;
    }
    if (advance > 0) width += advance + Spacing;
  }
  return width > 0 ? width - Spacing : width;
}

void Font::DrawTextLayer(Canvas& canvas, Bitmap* image, float x, float y, std::u16string_view text,
                         uint32_t color) const {
  float pen = x;
  for (size_t i = 0; i < text.size(); ++i) {
    const Glyph* glyph = FindGlyph(text[i]);
    if (!glyph) continue;
    RectF destination{pen + glyph->OffsetX, y + glyph->OffsetY, glyph->Source.Width, glyph->Source.Height};
    canvas.DrawImage(glyph->Source, destination, image, color);
    pen += static_cast<float>(glyph->Advance + Spacing);
    if (i + 1 < text.size())
      for (const KerningPair& pair : glyph->Kerning)
        if (pair.Next == text[i + 1]) {
          pen += pair.Offset;
          break;
        }
  }
}

void Font::DrawText(Canvas& canvas, float x, float y, std::u16string_view text, uint32_t color) const {
  if (text.empty() || !GetMainImage()) return;
  for (size_t i = 0; i < Layers.size(); ++i) {
    uint32_t layerColor = i == 0 ? color : (color & 0xFF000000) | (Layers[i].Color & 0x00FFFFFF);
    DrawTextLayer(canvas, Layers[i].Image, x, y, text, layerColor);
  }
}

void Font::DrawText8(Canvas& canvas, float x, float y, const char* text, uint32_t color) const {
  if (!text || !GetMainImage()) return;
  std::u16string wide;
  for (const char* p = text; *p; ++p) wide.push_back(static_cast<unsigned char>(*p));  // code page 0
  DrawTextLayer(canvas, GetMainImage(), x, y, wide, color);
}

std::vector<Font::Line> Font::BreakLines(std::u16string_view text, float width) const {
  std::vector<Line> lines;
  size_t i = 0;
  while (i <= text.size()) {
    Line line{i, 0, 0};
    bool hasWord = false;
    bool endedByLineFeed = false;
    size_t position = i;
    while (position < text.size()) {
      if (text[position] == '\n') {
        endedByLineFeed = true;
        break;
      }
      // A word: leading characters up to 32 (not line feeds), then the rest.
      size_t end = position;
      while (end < text.size() && text[end] <= 32 && text[end] != '\n') ++end;
      while (end < text.size() && text[end] > 32) ++end;
      int wordWidth = 0;
      for (size_t k = position; k < end; ++k)
        wordWidth += GetAdvance(text[k], k + 1 < text.size() ? text[k + 1] : 0) + Spacing;
      if (hasWord && line.Width + wordWidth >= width) break;
      line.Width += wordWidth;
      hasWord = true;
      position = end;
    }
    line.Count = position - line.Start;
    lines.push_back(line);
    if (position >= text.size()) break;
    if (endedByLineFeed) {
      i = position + 1;  // the line feed is consumed
      if (i >= text.size()) break;
      continue;
    }
    // Wrapped: the white space at the break is not drawn at the start of the next line.
    while (position < text.size() && text[position] <= 32 && text[position] != '\n') ++position;
    if (position < text.size() && text[position] == '\n') ++position;
    i = position;
    if (i >= text.size()) break;
  }
  return lines;
}

void Font::DrawTextInRect(Canvas& canvas, const RectF& rect, std::u16string_view text, uint32_t color,
                          int flags) const {
  if (text.empty() || rect.Width <= 0 || rect.Height <= 0) return;
  std::vector<Line> lines = BreakLines(text, rect.Width);
  float total = static_cast<float>(lines.size()) * static_cast<float>(Height);
  float y = rect.Y;
  if ((flags & ALIGN_VerticalCentre) == ALIGN_VerticalCentre) {
    y += RoundHalfAway((rect.Height - total) / 2);
  } else if (flags & ALIGN_Bottom) {
    y += RoundHalfAway(rect.Height - total);
  }
  for (const Line& line : lines) {
    float x = rect.X;
    int horizontal = flags & ALIGN_HorizontalCentre;
    if (horizontal == ALIGN_HorizontalCentre) {
      x += RoundHalfAway((rect.Width - line.Width) / 2);
    } else if (horizontal == ALIGN_Right) {
      x += RoundHalfAway(rect.Width - line.Width);  // right-aligned text ends at the right edge
    }
    DrawText(canvas, x, y, text.substr(line.Start, line.Count), color);
    y += static_cast<float>(Height);
  }
}

}  // namespace Tessel
