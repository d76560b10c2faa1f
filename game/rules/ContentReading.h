#pragma once
// The small pieces every rules and level loader shares: entering the root,
// walking elements with the pull reader, and reading numbers from element
// text and attributes.
//
// Numbers are read as scanf reads them ("%i", "%f": leading blanks skipped,
// trailing text ignored), but text that starts with no number at all is a
// content error rather than a silent 0: a rules file that says
// <PayDayTime>ten</PayDayTime> must not run with zero-second days.

#include <initializer_list>
#include <string_view>

#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/xml/XmlReader.h"

namespace Corvanta {

// Reads up to the first element (the root) and leaves the reader on it.
// Without one, throws "Start of an element expected." for the file.
void MoveToRoot(Tessel::XmlReader& xml);

// Walks every node from the current one to the end of the input and calls
// visit(xml) on each element start; visit must move the reader past that start
// (Skip to pass the element whole, Read to go into it). Afterwards the
// reader's error, if any, is thrown; so is a file that ends before its root
// is closed.
template <typename Visit>
void VisitElementsToEnd(Tessel::XmlReader& xml, Visit&& visit);

// Walks the children of the element the reader stands on and calls visit(xml)
// on each child element, which must consume it; leaves the reader on the node
// after the element's end. A reader error or a cut-off file is thrown.
template <typename Visit>
void VisitChildren(Tessel::XmlReader& xml, Visit&& visit);

// Throws for the reader's error, or for a file that ended inside an element.
void ThrowIfIncomplete(Tessel::XmlReader& xml, bool rootClosed);

// The value of the first attribute of that (ASCII) name, compared exactly
// or case-insensitively; null when there is none.
const Tessel::WideString* FindAttribute(const Tessel::XmlReader& xml, std::string_view name);
const Tessel::WideString* FindAttributeNoCase(const Tessel::XmlReader& xml, std::string_view name);

// An element or attribute name equals an ASCII name exactly.
bool NameEquals(std::u16string_view name, std::string_view ascii);

// "%i" / "%f" of a text that must start with a number; where names the value
// in the error ("PayDayTime", "income"). Floats must be finite.
int ParseIntValue(const Tessel::XmlReader& xml, const Tessel::WideString& text, const char* where);
float ParseFloatValue(const Tessel::XmlReader& xml, const Tessel::WideString& text, const char* where);

// The element's text as an integer, a float or as it stands; the reader
// moves past the element. An element without text is an error ("Integer
// value expected.", "Float value expected.", "String value expected.").
int ReadElementIntValue(Tessel::XmlReader& xml);
float ReadElementFloatValue(Tessel::XmlReader& xml);
Tessel::WideString ReadElementTextValue(Tessel::XmlReader& xml);

// The text inside the element (its text nodes joined; comments and child
// elements passed over), empty for an empty element; the reader moves past it.
Tessel::WideString ReadElementContent(Tessel::XmlReader& xml);

// "%i %i ..." into existing values: numbers that are missing leave their
// target as it was, exactly as sscanf does.
void ScanIntsInto(const Tessel::WideString& text, std::initializer_list<int*> targets);

// Throws a content error at the reader's current line.
[[noreturn]] void ThrowAtReader(const Tessel::XmlReader& xml, const Tessel::String& message);

// ---- templates ----

template <typename Visit>
void VisitElementsToEnd(Tessel::XmlReader& xml, Visit&& visit) {
  bool rootClosed = false;
  for (;;) {
    if (xml.HasError()) break;
    if (xml.NodeType == Tessel::XMLNODE_Element) {
      visit(xml);
      continue;
    }
    if (xml.NodeType == Tessel::XMLNODE_EndElement && xml.GetDepth() <= 0) rootClosed = true;
    if (!xml.Read()) break;
  }
  ThrowIfIncomplete(xml, rootClosed);
}

template <typename Visit>
void VisitChildren(Tessel::XmlReader& xml, Visit&& visit) {
  int depth = xml.GetDepth();  // of the parent, before the reader moves past its start
  if (!xml.Read()) {
    ThrowIfIncomplete(xml, false);
    return;
  }
  for (;;) {
    if (xml.HasError()) break;
    if (xml.NodeType == Tessel::XMLNODE_Element) {
      visit(xml);
      continue;
    }
    if (xml.NodeType == Tessel::XMLNODE_EndElement && xml.GetDepth() <= depth) {
      xml.Read();
      break;
    }
    if (!xml.Read()) {
      ThrowIfIncomplete(xml, false);
      return;
    }
  }
  if (xml.HasError()) ThrowIfIncomplete(xml, false);
}

}  // namespace Corvanta
