#include <gtest/gtest.h>

#include "support/CapturedLog.h"
#include "support/TempFolder.h"
#include "tessel/xml/XmlReader.h"

using namespace Tessel;

namespace {

// Every node of a document in one line: "<a x=1>", "</a>", "'text'", "!comment", "?pi", "?xml".
std::string Nodes(XmlReader& xml) {
  std::string out;
  while (xml.Read()) {
    if (!out.empty()) out += ' ';
    switch (xml.NodeType) {
      case XMLNODE_Element:
        out += "<" + ToUtf8(xml.Name);
        for (const XmlAttribute& a : xml.Attributes) out += " " + ToUtf8(a.Name) + "=" + ToUtf8(a.Value);
        out += ">";
        break;
      case XMLNODE_EndElement: out += "</" + ToUtf8(xml.Name) + ">"; break;
      case XMLNODE_Text: out += "'" + ToUtf8(xml.Value) + "'"; break;
      case XMLNODE_Comment: out += "!" + ToUtf8(xml.Value); break;
      case XMLNODE_ProcessingInstruction: out += "?" + ToUtf8(xml.Name) + ":" + ToUtf8(xml.Value); break;
      case XMLNODE_XmlDeclaration: out += "?xml"; break;
    }
  }
  return out;
}

std::string Nodes(const std::string& bytes) {
  XmlReader xml = XmlReader::FromBytes(bytes, String("test.xml"));
  return Nodes(xml);
}

// The error a document stops with ("" when it reads through).
std::string ErrorOf(const std::string& bytes) {
  Testing::CapturedLog log;
  XmlReader xml = XmlReader::FromBytes(bytes, String("test.xml"));
  while (xml.Read()) {
  }
  return log.Text;
}

std::string Utf16(const std::u16string& text, bool bigEndian, bool mark) {
  std::string bytes;
  if (mark) bytes += bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t u : text) {
    char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return bytes;
}

}  // namespace

TEST(XmlReader, NodesOfADocument) {
  EXPECT_EQ(Nodes("<?xml version=\"1.0\"?>\r\n<root a=\"1\" b='two'>\n  <!-- note -->\n  <child/>text<?pi data?></root>"),
            "?xml <root a=1 b=two> '\n  ' ! note  '\n  ' <child> </child> 'text' ?pi:data </root>");
}

TEST(XmlReader, ReferencesAreDecodedInAttributesOnly) {
  EXPECT_EQ(Nodes("<e x=\"1&amp;2\">1&amp;2</e>"), "<e x=1&2> '1&amp;2' </e>");
  struct Case {
    const char* Written;
    std::u16string Value;
  };
  const Case cases[] = {
      {"&quot;&lt;&gt;&apos;&amp;", u"\"<>'&"},
      {"&#65;", u"A"},
      {"&#x41;&#x4a;", u"AJ"},
      {"&#9;", u"\t"},  // a decimal reference of one digit is a reference like any other
      {"&#1234;", u"\u04D2"},
      {"&#x;", u"&"},
      {"&#12a;", u"&"},
      {"&foo;", u"&"},
      {"a&b", u"a&b"},
      {"&nbsp;&cr;", u" \n"},
      {"&AMP;", u"&"},
  };
  for (const Case& c : cases) {
    XmlReader xml = XmlReader::FromBytes(std::string("<e v=\"") + c.Written + "\"/>");
    ASSERT_TRUE(xml.Read()) << c.Written;
    ASSERT_EQ(xml.Attributes.GetSize(), 1);
    EXPECT_EQ(xml.Attributes[0].Value, c.Value) << c.Written;
  }
}

TEST(XmlReader, EmptyElementsKeepTheDepth) {
  XmlReader xml = XmlReader::FromBytes("<r><a/></r>");
  ASSERT_TRUE(xml.Read());  // r
  ASSERT_TRUE(xml.Read());  // a
  EXPECT_EQ(xml.NodeType, XMLNODE_Element);
  int depth = xml.GetDepth();
  ASSERT_TRUE(xml.Read());
  EXPECT_EQ(xml.NodeType, XMLNODE_EndElement);
  EXPECT_EQ(ToUtf8(xml.Name), "a");
  EXPECT_TRUE(xml.Value.empty());
  EXPECT_EQ(xml.GetDepth(), depth);
}

TEST(XmlReader, DocumentEdges) {
  EXPECT_EQ(Nodes("<a></b>"), "<a> </b>") << "end tags are not matched";
  EXPECT_EQ(Nodes("<r></r>\n"), "<r> </r> ''") << "white space after the root gives one empty text";
  EXPECT_EQ(Nodes("<a/>"), "<a> </a>") << "the end of an empty root comes even at the end of input";
  EXPECT_EQ(Nodes("<a x='1'y=\"2\" >"), "<a x=1 y=2>");
  EXPECT_EQ(Nodes("<a x='1' x='2'/>"), "<a x=1 x=2> </a>") << "duplicates stay in order";
  EXPECT_EQ(Nodes("<\xC3\xA9l\xC3\xA8ve n\xC3\xB8m='1'/>"), "<\xC3\xA9l\xC3\xA8ve n\xC3\xB8m=1> </\xC3\xA9l\xC3\xA8ve>");
}

TEST(XmlReader, ErrorsCarryFileAndLine) {
  struct Case {
    const char* Document;
    const char* Log;
  };
  const Case cases[] = {
      {"<a>\n\n<b c='never closed>", "error: 'test.xml'(3): End of attribute value '\"' expected.\n"},
      {"<a><![CDATA[x]]></a>", "error: 'test.xml'(1): The character '!' is illegal at the begining of an XML name.\n"},
      {"<a><1/></a>", "error: 'test.xml'(1): The character '1' is illegal at the begining of an XML name.\n"},
      {"<a>\xE2\x80\x94\n<\xE2\x80\x94/>",
       "error: 'test.xml'(2): The character #x2014 is illegal at the begining of an XML name.\n"},
      {"<a x=1/>", "error: 'test.xml'(1): Missing attribute value.\n"},
      {"<a x/>", "error: 'test.xml'(1): Missing attribute value.\n"},
      {"<a></a >x</a", "error: 'test.xml'(1): '>' expected.\n"},
      {"<!-- a -- b -->", "error: 'test.xml'(1): Sequence '--' is illegal inside XML comments.\n"},
      {"<!-- open", "error: 'test.xml'(1): Missing end of comment '-->'.\n"},
      {"<?xml version='1.0'", "error: 'test.xml'(1): Missing end of XML declaration '?>'.\n"},
      {"<r><?pi never", "error: 'test.xml'(1): Missing end of instruction '?>'.\n"},
      {"<?xml version='1.0' encoding='latin-1'?><a/>", "error: Unknown XML encoding specified.\n"},
      {"<a> ", ""},
      {"abc", "error: \n"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.Document), c.Log) << c.Document;
  for (std::string unsupported : {std::string("\xFF\xFE\0\0<\0a\0", 8), std::string("\xFE\xFF\0\0\0<\0a", 8),
                                  std::string("\0\0\0<a/>", 7)})
    EXPECT_EQ(ErrorOf(unsupported), "error: Unsupported XML encoding.\n");
}

TEST(XmlReader, TheFirstErrorStopsTheReader) {
  Testing::CapturedLog log;
  XmlReader xml = XmlReader::FromBytes("<a><1/><2/></a>");
  while (xml.Read()) {
  }
  EXPECT_TRUE(xml.HasError());
  EXPECT_FALSE(xml.IsAtEnd());
  EXPECT_EQ(xml.GetErrorText(), String("The character '1' is illegal at the begining of an XML name."));
  xml.ReadElementInt();  // later errors print nothing
  EXPECT_FALSE(xml.Read());
  EXPECT_EQ(log.Text, "error: The character '1' is illegal at the begining of an XML name.\n");
}

TEST(XmlReader, FilesAreReadFromDisk) {
  Testing::TempFolder folder;
  folder.Write("ok.xml", "<a>1</a>");
  folder.Write("short.xml", "<a>");
  Testing::CapturedLog log;
  XmlReader ok(String(folder.File("ok.xml").c_str()));
  EXPECT_EQ(Nodes(ok), "<a> '1' </a>");
  EXPECT_TRUE(ok.IsAtEnd());
  XmlReader tiny(String(folder.File("short.xml").c_str()));
  EXPECT_FALSE(tiny.Read());
  XmlReader missing(String(folder.File("missing.xml").c_str()));
  EXPECT_FALSE(missing.Read());
  XmlReader unnamed{String()};
  EXPECT_FALSE(unnamed.Read());
  EXPECT_EQ(log.Text, "error: \nerror: Failed opening an XML file.\nerror: \n");
  EXPECT_TRUE(missing.HasError());
}

TEST(XmlReader, EncodingsByMarkAndDeclaration) {
  const std::u16string doc = u"<t v='\u0416\u00E9'>\u20AC</t>";
  struct Case {
    const char* Name;
    std::string Bytes;
    TextEncoding Encoding;
  };
  const Case cases[] = {
      {"utf-8 plain", "<t v='\xD0\x96\xC3\xA9'>\xE2\x82\xAC</t>", ENCODING_Utf8},
      {"utf-8 mark", "\xEF\xBB\xBF<t v='\xD0\x96\xC3\xA9'>\xE2\x82\xAC</t>", ENCODING_Utf8},
      {"utf-16le mark", Utf16(doc, false, true), ENCODING_Utf16LE},
      {"utf-16be mark", Utf16(doc, true, true), ENCODING_Utf16BE},
      {"utf-16le bare", Utf16(u"<?xml version='1.0'?>" + doc, false, false), ENCODING_Utf16LE},
      {"utf-16be bare", Utf16(u"<?xml version='1.0'?>" + doc, true, false), ENCODING_Utf16BE},
      {"windows-1251", "<?xml version=\"1.0\" encoding=\"Windows-1251\"?><t v='\xC6\xE9'>\x88</t>",
       ENCODING_Windows1251},
  };
  for (const Case& c : cases) {
    XmlReader xml = XmlReader::FromBytes(c.Bytes);
    std::u16string value, text;
    while (xml.Read()) {
      if (xml.NodeType == XMLNODE_Element) value = xml.Attributes[0].Value;
      if (xml.NodeType == XMLNODE_Text) text = xml.Value;
    }
    EXPECT_FALSE(xml.HasError()) << c.Name;
    EXPECT_EQ(xml.GetEncoding(), c.Encoding) << c.Name;
    if (c.Encoding == ENCODING_Windows1251) {
      EXPECT_EQ(value, u"\u0416\u0439") << c.Name;  // 0xC6 and 0xE9 are Cyrillic there
    } else {
      EXPECT_EQ(value, u"\u0416\u00E9") << c.Name;
    }
    EXPECT_EQ(text, u"\u20AC") << c.Name;
  }
}

TEST(XmlReader, AByteOrderMarkOverridesTheDeclaration) {
  std::string body = "<?xml version=\"1.0\" encoding=\"windows-1251\"?><t>\xD0\x96</t>";
  auto textOf = [](const std::string& bytes) {
    XmlReader xml = XmlReader::FromBytes(bytes);
    std::u16string text;
    while (xml.Read())
      if (xml.NodeType == XMLNODE_Text) text = xml.Value;
    return text;
  };
  EXPECT_EQ(textOf("\xEF\xBB\xBF" + body), u"\u0416");
  EXPECT_EQ(textOf(body), u"\u0420\u2013") << "without the mark the declaration holds";
}

// A damaged byte must never make the rest of a file disappear.
TEST(XmlReader, InvalidBytesAreReplacedNotTheEndOfTheFile) {
  struct Case {
    std::string Bytes;
    std::u16string Text;
  };
  const Case cases[] = {
      {"<t>a\x80z</t>", u"a\uFFFDz"},            // stray continuation byte
      {"<t>a\xC3z</t>", u"a\uFFFDz"},            // missing continuation: z is kept
      {"<t>a\xE2\x82</t>", u"a\uFFFD"},          // truncated three-byte sequence before "<"
      {"<t>a\xF0\x9F\x98\x80z</t>", u"a\uFFFDz"},  // outside the 16-bit range
      {"<t>a\xFFz</t>", u"a\uFFFDz"},
      {std::string("<t>a\0z</t>", 10), u"a\uFFFDz"},
      {"<t>a\xC0\x80z</t>", u"a\uFFFDz"},        // an encoded NUL
  };
  for (const Case& c : cases) {
    XmlReader xml = XmlReader::FromBytes(c.Bytes);
    std::string nodes = Nodes(xml);
    EXPECT_FALSE(xml.HasError()) << nodes;
    EXPECT_TRUE(xml.IsAtEnd());
    EXPECT_NE(nodes.find("</t>"), std::string::npos) << nodes;
    XmlReader again = XmlReader::FromBytes(c.Bytes);
    again.Read();
    again.Read();
    EXPECT_EQ(again.Value, c.Text);
  }
  XmlReader surrogates = XmlReader::FromBytes(Utf16(u"<t>a\xD83D\xDE00z\xDC00</t>", false, true));
  surrogates.Read();
  surrogates.Read();
  EXPECT_EQ(surrogates.Value, u"a\uFFFDz\uFFFD");
  XmlReader odd = XmlReader::FromBytes(Utf16(u"<t/>", false, true) + "x");
  EXPECT_EQ(Nodes(odd), "<t> </t> '\xEF\xBF\xBD'") << "a dangling byte is kept as a replacement";
}

TEST(XmlReader, TypedReadersFollowTheNodes) {
  XmlReader xml = XmlReader::FromBytes(
      "<r>\n  <!-- size -->\n  <width>800</width>\n  <scale><!--x-->1.5</scale>\n  <name>Town</name>\n  "
      "<hex>0x10</hex><empty/></r>");
  xml.Read();
  xml.Read();  // the white space before the comment
  EXPECT_EQ(xml.ReadElementInt(), 800) << "whatever precedes the element";
  EXPECT_EQ(xml.NodeType, XMLNODE_Text) << "left on the node after the end tag";
  EXPECT_FLOAT_EQ(xml.ReadElementFloat(), 1.5f);
  EXPECT_EQ(xml.ReadElementString(), u"Town");
  EXPECT_EQ(xml.ReadElementInt(), 16) << "%i reads hexadecimal";
  EXPECT_FALSE(xml.HasError());
  Testing::CapturedLog log;
  EXPECT_EQ(xml.ReadElementInt(), 0);
  EXPECT_EQ(log.Text, "error: Integer value expected.\n");
}

// Truncated files end every loop with an error instead of spinning.
TEST(XmlReader, LoopsEndAtTheEndOfInput) {
  struct Case {
    const char* Document;
    void (*Walk)(XmlReader&);
    const char* Error;
  };
  const Case cases[] = {
      {"<r><a><b>", [](XmlReader& x) { x.Skip(); }, "End of an element expected."},
      {"<r>text", [](XmlReader& x) { x.Read(); x.ReadStartElement(); }, "Start of an element expected."},
      {"<r><a></r>", [](XmlReader& x) { x.ReadStartElement(); x.ReadEndElement(); x.ReadEndElement(); x.ReadEndElement(); },
       "End of an element expected."},
      {"<r><v>", [](XmlReader& x) { x.ReadStartElement(); x.ReadElementInt(); }, "Integer value expected."},
      {"<r><v><!--", [](XmlReader& x) { x.ReadStartElement(); x.ReadElementFloat(); }, "Missing end of comment '-->'."},
      {"<r> <s>", [](XmlReader& x) { x.ReadStartElement(); x.ReadStartElement(); x.ReadString(); },
       "String value expected."},
  };
  for (const Case& c : cases) {
    Testing::CapturedLog log;
    XmlReader xml = XmlReader::FromBytes(c.Document);
    xml.Read();
    c.Walk(xml);
    EXPECT_TRUE(xml.HasError()) << c.Document;
    EXPECT_EQ(log.Text, std::string("error: ") + c.Error + "\n") << c.Document;
  }
}

TEST(XmlReader, SkipPassesTheWholeElement) {
  XmlReader xml = XmlReader::FromBytes("<r><skip a='1'><x><y/></x>t</skip><next/></r>");
  xml.Read();
  xml.Read();
  ASSERT_EQ(ToUtf8(xml.Name), "skip");
  xml.Skip();
  EXPECT_EQ(xml.NodeType, XMLNODE_Element);
  EXPECT_EQ(ToUtf8(xml.Name), "next");
}

TEST(XmlReader, AttributeLookup) {
  XmlReader xml = XmlReader::FromBytes("<a Name='x' name='y' level='3'/>");
  xml.Read();
  EXPECT_EQ(xml.FindAttribute(u"name"), 1);
  EXPECT_EQ(xml.FindAttributeNoCase(u"NAME"), 0);
  EXPECT_EQ(xml.FindAttribute(u"missing"), -1);
  ASSERT_NE(xml.GetAttribute(u"level"), nullptr);
  EXPECT_EQ(*xml.GetAttribute(u"level"), u"3");
  EXPECT_EQ(ToUtf8(xml.Value), "Name='x' name='y' level='3'") << "an element's value is its raw attribute text";
}

TEST(XmlReader, LinesCountLineFeeds) {
  XmlReader xml = XmlReader::FromBytes("<a\nx='1\n2'>\r\n<b/>\n</a>");
  xml.Read();
  EXPECT_EQ(xml.GetLineNumber(), 3);
  while (xml.Read()) {
  }
  EXPECT_EQ(xml.GetLineNumber(), 5);
}
