#include "common/FontFile.h"

#include "tessel/Strings.h"
#include "tessel/xml/XmlReader.h"

namespace Tools {

namespace {

bool NameIs(const Tessel::WideString& name, const char* expected) {
  return Tessel::CompareNoCase(Tessel::ToNarrow(name).CStr(), expected) == 0;
}

const Tessel::WideString* Attribute(const Tessel::XmlReader& xml, const char16_t* name) {
  int index = xml.FindAttributeNoCase(name);
  return index < 0 ? nullptr : &xml.Attributes[index].Value;
}

int IntAttribute(const Tessel::XmlReader& xml, const char16_t* name) {
  const Tessel::WideString* value = Attribute(xml, name);
  return value ? Tessel::WideToInt(*value) : 0;
}

void ReadLayers(Tessel::XmlReader& xml, FontFile& font) {
  FontLayer previous;
  while (xml.Read()) {
    if (xml.NodeType == Tessel::XMLNODE_EndElement && NameIs(xml.Name, "layers")) return;
    if (xml.NodeType != Tessel::XMLNODE_Element || !NameIs(xml.Name, "layer")) continue;
    FontLayer layer = previous;
    if (const Tessel::WideString* name = Attribute(xml, u"name")) layer.Name = Tessel::ToUtf8(*name);
    if (const Tessel::WideString* image = Attribute(xml, u"image")) layer.Image = Tessel::ToUtf8(*image);
    if (const Tessel::WideString* colour = Attribute(xml, u"color")) {
      Tessel::Rect c = Tessel::ParseRect(*colour);
      int alpha = 255;
      // Three numbers: alpha stays opaque.
      int numbers = 0;
      bool inNumber = false;
      for (char16_t ch : *colour) {
        bool digit = ch >= u'0' && ch <= u'9';
        if (digit && !inNumber) ++numbers;
        inNumber = digit;
      }
      if (numbers >= 4) alpha = c.Height;
      layer.Colour = (uint32_t(alpha & 0xFF) << 24) | (uint32_t(c.X & 0xFF) << 16) | (uint32_t(c.Y & 0xFF) << 8) |
                     uint32_t(c.Width & 0xFF);
    }
    font.Layers.push_back(layer);
    previous = layer;
  }
}

}  // namespace

int FontFile::GetAdvance(char16_t c, char16_t next) const {
  auto glyph = Glyphs.find(c);
  if (glyph == Glyphs.end()) return 0;
  auto pair = Kerning.find({c, next});
  return glyph->second.Advance + (pair == Kerning.end() ? 0 : pair->second);
}

int FontFile::MeasureText(const std::u16string& text) const {
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    int advance = 0;
    if (i + 1 < text.size()) {
      advance = GetAdvance(text[i], text[i + 1]);
    } else if (auto glyph = Glyphs.find(text[i]); glyph != Glyphs.end()) {
      advance = glyph->second.Advance;
    }
    if (advance > 0) width += advance + Spacing;
  }
  return width > 0 ? width - Spacing : 0;
}

FontFile ReadFontFile(const std::string& path) {
  FontFile font;
  Tessel::XmlReader xml{Tessel::String(path.c_str())};
  bool rootSeen = false;
  while (xml.Read()) {
    if (xml.NodeType != Tessel::XMLNODE_Element) continue;
    if (!rootSeen) {
      rootSeen = true;
      if (!NameIs(xml.Name, "font")) {
        font.Error = "the root element 'font' expected";
        return font;
      }
      font.Height = IntAttribute(xml, u"height");
      font.Spacing = IntAttribute(xml, u"spacing");
      continue;
    }
    if (NameIs(xml.Name, "char")) {
      const Tessel::WideString* code = Attribute(xml, u"code");
      if (!code || code->empty() || (*code)[0] == 0) continue;
      FontGlyph glyph;
      glyph.Advance = IntAttribute(xml, u"width");
      if (const Tessel::WideString* rect = Attribute(xml, u"rect")) glyph.Source = Tessel::ParseRect(*rect);
      if (const Tessel::WideString* offset = Attribute(xml, u"offset")) glyph.Offset = Tessel::ParsePoint(*offset);
      font.Glyphs[(*code)[0]] = glyph;
    } else if (NameIs(xml.Name, "kerning")) {
      const Tessel::WideString* pair = Attribute(xml, u"pair");
      if (!pair || pair->size() < 2 || (*pair)[0] == 0 || (*pair)[1] == 0) continue;
      int offset = IntAttribute(xml, u"offset");
      if (offset != 0 && font.HasGlyph((*pair)[0])) font.Kerning[{(*pair)[0], (*pair)[1]}] = offset;
    } else if (NameIs(xml.Name, "layers")) {
      ReadLayers(xml, font);
    }
  }
  if (xml.HasError()) {
    font.Error = xml.GetErrorText().CStr();
    return font;
  }
  if (!rootSeen) {
    font.Error = "the root element 'font' expected";
    return font;
  }
  font.Loaded = true;
  return font;
}

}  // namespace Tools
