#include <gtest/gtest.h>

#include <cstdio>

#include "support/TempFolder.h"
#include "tessel/Exception.h"
#include "tessel/xml/XmlReader.h"
#include "tessel/xml/XmlWriter.h"

using namespace Tessel;

namespace {

class XmlWriterTest : public ::testing::Test {
protected:
  String PathOf(const char* name) const { return String(Folder.File(name).c_str()); }
  std::string Written(const char* name) const { return Folder.Read(name); }
  Testing::TempFolder Folder;
};

}  // namespace

TEST_F(XmlWriterTest, TheLayoutOfADocument) {
  {
    XmlWriter xml(PathOf("out.xml"));
    xml.WriteStartElement(u"profiles");
    xml.WriteAttribute(u"version", u"2");
    xml.WriteStartElement(u"profile");
    xml.WriteAttribute(u"name", u"Ann");
    xml.WriteAttribute(u"id", u"7");
    xml.WriteEndElement();
    xml.WriteStartElement(u"note");
    xml.WriteString(u"a<b");
    xml.WriteEndElement();
    xml.WriteEndElement();
  }
  EXPECT_EQ(Written("out.xml"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
            "<profiles version=\"2\">\r\n"
            "  <profile name=\"Ann\" id=\"7\" />\r\n"
            "  <note>a&lt;b</note>\r\n"
            "</profiles>");
}

TEST_F(XmlWriterTest, EmptyAndFullEndsAndRunsOfText) {
  {
    XmlWriter xml(PathOf("out.xml"));
    xml.WriteStartElement(u"r");
    xml.WriteStartElement(u"empty");
    xml.WriteEndElement();
    xml.WriteStartElement(u"full");
    xml.WriteFullEndElement();
    xml.WriteStartElement(u"text");
    xml.WriteString(u"one");
    xml.WriteString(u"");
    xml.WriteString(u"two");
    xml.WriteEndElement();
    xml.WriteFullEndElement();
  }
  EXPECT_EQ(Written("out.xml"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<r>\r\n  <empty />\r\n  <full></full>\r\n"
            "  <text>onetwo</text>\r\n</r>");
}

TEST_F(XmlWriterTest, EscapingOfAttributesAndText) {
  {
    XmlWriter xml(PathOf("out.xml"));
    xml.WriteStartElement(u"e");
    xml.WriteAttribute(u"v", u"say \"a&b\"\t'x'\x01\x1F\x10\x13");
    xml.WriteEndElement();
  }
  EXPECT_EQ(Written("out.xml"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
            "<e v=\"say &quot;a&amp;b&quot;\t&apos;x&apos;&#1;&#31;&#16;&#19;\" />");
}

TEST_F(XmlWriterTest, SettingsChangeTheLayout) {
  XmlWriterSettings settings;
  settings.Indent = false;
  settings.NewLineChars = u"\n";
  settings.NewLineOnAttributes = true;
  settings.OmitXmlDeclaration = true;
  {
    XmlWriter xml(PathOf("out.xml"), settings);
    xml.WriteStartElement(u"a");
    xml.WriteAttribute(u"x", u"1");
    xml.WriteAttribute(u"y", u"2");
    xml.WriteStartElement(u"b");
    xml.WriteEndElement();
    xml.WriteEndElement();
  }
  EXPECT_EQ(Written("out.xml"), "\xEF\xBB\xBF<a x=\"1\"\ny=\"2\">\n<b />\n</a>");
}

TEST_F(XmlWriterTest, MarksAndDeclarationsOfTheEncodings) {
  struct Case {
    int Encoding;
    bool Omit;
    std::string Start;
  };
  const Case cases[] = {
      {ENCODING_Utf8, false, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<a"},
      {ENCODING_Utf8, true, "\xEF\xBB\xBF<a"},
      {ENCODING_Utf16LE, false, std::string("\xFF\xFE<\0?\0x\0m\0l\0", 12)},
      {ENCODING_Utf16BE, false, std::string("\xFE\xFF\0<\0?\0x\0m\0l", 12)},
      {ENCODING_Windows1251, false, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<a"},
  };
  for (const Case& c : cases) {
    XmlWriterSettings settings;
    settings.Encoding = c.Encoding;
    settings.OmitXmlDeclaration = c.Omit;
    {
      XmlWriter xml(PathOf("out.xml"), settings);
      xml.WriteStartElement(u"a");
      xml.WriteEndElement();
    }
    std::string bytes = Written("out.xml");
    EXPECT_EQ(bytes.substr(0, c.Start.size()), c.Start) << c.Encoding;
  }
  XmlWriterSettings utf16;
  utf16.Encoding = ENCODING_Utf16LE;
  {
    XmlWriter xml(PathOf("16.xml"), utf16);
    xml.WriteStartElement(u"a");
    xml.WriteEndElement();
  }
  XmlReader back(PathOf("16.xml"));
  ASSERT_TRUE(back.Read());
  ASSERT_EQ(back.NodeType, XMLNODE_XmlDeclaration);
  EXPECT_EQ(*back.GetAttribute(u"encoding"), u"utf-16");
}

TEST_F(XmlWriterTest, Windows1251WritesQuestionMarksForWhatItCannotEncode) {
  XmlWriterSettings settings;
  settings.Encoding = ENCODING_Windows1251;
  settings.OmitXmlDeclaration = true;
  {
    XmlWriter xml(PathOf("out.xml"), settings);
    xml.WriteStartElement(u"a");
    xml.WriteString(u"\u0416\u00E9\u20AC\u4E2D");
    xml.WriteEndElement();
  }
  EXPECT_EQ(Written("out.xml"), "<a>\xC6?\x88?</a>");
}

// What the writer writes, the reader reads back as it was: every encoding,
// every character the encoding holds, in attribute values.
TEST_F(XmlWriterTest, AttributesRoundTripInEveryEncoding) {
  std::u16string all;
  for (char16_t c = 1; c < 0x100; ++c) all.push_back(c);
  all += u"\u0416\u20AC\u4E2D\uFFFD";
  std::u16string cyrillic;
  for (char16_t c = 1; c < 0x80; ++c) cyrillic.push_back(c);
  cyrillic += u"\u0410\u044F\u0401\u20AC\u2116";

  for (int encoding : {ENCODING_Utf8, ENCODING_Utf16LE, ENCODING_Utf16BE, ENCODING_Windows1251}) {
    const std::u16string& value = encoding == ENCODING_Windows1251 ? cyrillic : all;
    XmlWriterSettings settings;
    settings.Encoding = encoding;
    {
      XmlWriter xml(PathOf("round.xml"), settings);
      xml.WriteStartElement(u"root");
      xml.WriteAttribute(u"value", value);
      xml.WriteStartElement(u"plain");
      xml.WriteString(u"text \u0416");
      xml.WriteEndElement();
      xml.WriteEndElement();
    }
    XmlReader back(PathOf("round.xml"));
    std::u16string read, text;
    while (back.Read()) {
      if (back.NodeType == XMLNODE_Element && back.Name == u"root") read = back.Attributes[0].Value;
      if (back.NodeType == XMLNODE_Text && !back.Value.empty() && back.Value[0] == 't') text = back.Value;
    }
    EXPECT_FALSE(back.HasError()) << encoding;
    EXPECT_EQ(read, value) << encoding;
    EXPECT_EQ(text, u"text \u0416") << encoding;
  }
}

TEST_F(XmlWriterTest, AppendingToAFileWithContent) {
  std::string path = Folder.File("stats.xml");
  Testing::WriteFileBytes(path, "<session a=\"1\" />");
  std::FILE* file = std::fopen(path.c_str(), "ab");
  ASSERT_NE(file, nullptr);
  {
    XmlWriter xml(XmlWriterSettings(), file);
    xml.WriteStartElement(u"session");
    xml.WriteAttribute(u"a", u"2");
    xml.WriteEndElement();
  }
  std::fclose(file);
  EXPECT_EQ(Testing::ReadFileBytes(path), "<session a=\"1\" />\r\n<session a=\"2\" />");

  std::FILE* empty = std::fopen(Folder.File("new.xml").c_str(), "ab");
  {
    XmlWriter xml(XmlWriterSettings(), empty);
    xml.WriteStartElement(u"s");
    xml.WriteEndElement();
  }
  std::fclose(empty);
  EXPECT_EQ(Folder.Read("new.xml"), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<s />");
}

// The player's file survives a save that fails half way.
TEST_F(XmlWriterTest, AnAbandonedWriteKeepsThePreviousFile) {
  Folder.Write("profiles.xml", "previous");
  try {
    XmlWriter xml(PathOf("profiles.xml"));
    xml.WriteStartElement(u"profiles");
    throw Exception(String("disk trouble"));
  } catch (const Exception&) {
  }
  EXPECT_EQ(Written("profiles.xml"), "previous");
  EXPECT_EQ(Written("profiles.xml.tmp"), "") << "the temporary file is removed";

  XmlWriter unwritable(String("/nonexistent-folder/file.xml"));
  unwritable.WriteStartElement(u"a");
  unwritable.WriteEndElement();
  EXPECT_FALSE(unwritable.Close());
}

TEST_F(XmlWriterTest, EndingMoreElementsThanWereOpenedIsAnAssertion) {
  XmlWriter xml(PathOf("out.xml"));
  xml.WriteStartElement(u"a");
  xml.WriteEndElement();
  try {
    xml.WriteEndElement();
    FAIL();
  } catch (const AssertionFailedException& e) {
    EXPECT_EQ(e.Trace, String("    at XmlWriter::WriteFullEndElement\n    at XmlWriter::WriteEndElement\n"));
  }
}

TEST_F(XmlWriterTest, TheReplacedFileBecomesTheBackup) {
  Folder.Write("records.xml", "version 1");
  for (const char16_t* content : {u"second", u"third"}) {
    XmlWriter xml(PathOf("records.xml"));
    xml.SetBackupPath(PathOf("records.xml.bak"));
    xml.WriteStartElement(content);
    xml.WriteEndElement();
  }
  EXPECT_NE(Written("records.xml").find("<third />"), std::string::npos);
  EXPECT_NE(Written("records.xml.bak").find("<second />"), std::string::npos);
}
