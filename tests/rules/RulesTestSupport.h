#pragma once
// Helpers shared by the rules tests: loading from text, and catching the
// content error a load must raise.

#include <gtest/gtest.h>

#include <string>

#include "game/rules/ContentException.h"
#include "tessel/xml/XmlReader.h"

namespace Testing {

// The message of the ContentException that load() raises; fails the test
// (and returns "") when it raises nothing.
template <typename Load>
std::string ContentErrorOf(Load&& load) {
  try {
    load();
  } catch (const Corvanta::ContentException& e) {
    return e.Message.CStr();
  }
  ADD_FAILURE() << "no content error was raised";
  return std::string();
}

inline Tessel::XmlReader ReaderOf(const std::string& text, const char* name = "test.xml") {
  return Tessel::XmlReader::FromBytes(text, Tessel::String(name));
}

}  // namespace Testing
