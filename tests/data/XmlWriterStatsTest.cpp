// The writer's parts the play statistics rely on: no byte-order mark, and
// what is written reaching the file before the writer closes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/TempFolder.h"
#include "tessel/xml/XmlWriter.h"

using namespace Tessel;

namespace {

class XmlWriterStatsTest : public ::testing::Test {
protected:
  String PathOf(const char* name) const { return String(Folder.File(name).c_str()); }
  std::string Written(const char* name) const { return Folder.Read(name); }
  Testing::TempFolder Folder;
};

}  // namespace

TEST_F(XmlWriterStatsTest, WithoutByteOrderMarkNoEncodingWritesOne) {
  struct Case {
    int Encoding;
    std::string Written;
  } cases[] = {{ENCODING_Utf8, "<a />"},
               {ENCODING_Utf16LE, std::string("<\0a\0 \0/\0>\0", 10)},
               {ENCODING_Utf16BE, std::string("\0<\0a\0 \0/\0>", 10)}};
  for (const Case& c : cases) {
    XmlWriterSettings settings;
    settings.Encoding = c.Encoding;
    settings.OmitXmlDeclaration = true;
    settings.WriteByteOrderMark = false;
    {
      XmlWriter xml(PathOf("out.xml"), settings);
      xml.WriteStartElement(u"a");
      xml.WriteEndElement();
    }
    EXPECT_EQ(Written("out.xml"), c.Written) << c.Encoding;
  }
}

// Appending to a file the caller opened: what is written so far reaches the
// file at once, before the writer is closed.
TEST_F(XmlWriterStatsTest, FlushingHandsTheWrittenPartToTheFile) {
  std::FILE* file = std::fopen(Folder.File("stats.xml").c_str(), "ab");
  ASSERT_NE(file, nullptr);
  XmlWriterSettings settings;
  settings.OmitXmlDeclaration = true;
  settings.WriteByteOrderMark = false;
  XmlWriter xml(settings, file);
  xml.WriteStartElement(u"session");
  xml.WriteAttribute(u"id", u"1");
  EXPECT_TRUE(xml.FlushToFile());
  EXPECT_EQ(Written("stats.xml"), "<session id=\"1\"");
  xml.WriteStartElement(u"level");
  xml.WriteEndElement();
  EXPECT_TRUE(xml.FlushToFile());
  EXPECT_EQ(Written("stats.xml"), "<session id=\"1\">\r\n  <level />");
  xml.WriteFullEndElement();
  EXPECT_TRUE(xml.Close());
  EXPECT_TRUE(xml.FlushToFile()) << "nothing left to hand over after closing";
  std::fclose(file);
  EXPECT_EQ(Written("stats.xml"), "<session id=\"1\">\r\n  <level />\r\n</session>");
}
