#pragma once
// TextKeyList: the text keys the game looks up (tests/content/TextKeys.txt),
// with what the code does with each text: the format arguments it passes and
// the layout the text must fit. The file's own comment explains the syntax.

#include <string>
#include <vector>

namespace Testing {

struct TextKey {
  std::string Key;
  std::vector<std::string> Arguments;  // "%i", "%ls", "%hs", in order
  bool IsToolTip = false;
  int MaxLines = 0;      // 0: any
  int MaxWidth = 0;      // pixels, 0: any
  std::string WidthFont; // font name for MaxWidth
  int Line = 0;          // in the list file
};

struct TextKeyList {
  std::vector<TextKey> Keys;
  std::vector<std::string> Errors;  // "line N: ..." for lines that did not parse
};

TextKeyList ParseTextKeyList(const std::string& text);
TextKeyList ReadTextKeyList(const std::string& path);

// "a.{x,y}.{1..2}" -> a.x.1 a.x.2 a.y.1 a.y.2; {$Set} takes the words of a set.
std::vector<std::string> ExpandKeyPattern(const std::string& pattern,
                                          const std::vector<std::pair<std::string, std::vector<std::string>>>& sets,
                                          std::string* error = nullptr);

// The printf conversions of a format text, in order, normalised to what
// the code passes ("%i" for %d %i %u %x and their sizes, "%ls", "%hs",
// "%s"); "%%" is not a conversion. A '%' that starts no valid conversion
// gives "bad".
std::vector<std::string> FormatConversions(const std::u16string& text);

}  // namespace Testing
