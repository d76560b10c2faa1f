#include "support/TextKeyList.h"

#include <fstream>
#include <sstream>

namespace Testing {

namespace {

using Sets = std::vector<std::pair<std::string, std::vector<std::string>>>;

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::vector<std::string> Alternatives(const std::string& inside, const Sets& sets, std::string* error) {
  if (!inside.empty() && inside[0] == '$') {
    for (const auto& [name, words] : sets) {
      if (name == inside.substr(1)) return words;
    }
    if (error) *error = "no set named " + inside.substr(1);
    return {};
  }
  size_t dots = inside.find("..");
  if (dots != std::string::npos) {
    int from = std::stoi(inside.substr(0, dots)), to = std::stoi(inside.substr(dots + 2));
    std::vector<std::string> numbers;
    for (int i = from; i <= to; ++i) numbers.push_back(std::to_string(i));
    return numbers;
  }
  std::vector<std::string> words;
  std::string word;
  std::istringstream in(inside);
  while (std::getline(in, word, ',')) words.push_back(word);
  return words;
}

}  // namespace

std::vector<std::string> ExpandKeyPattern(const std::string& pattern, const Sets& sets, std::string* error) {
  size_t open = pattern.find('{');
  if (open == std::string::npos) return {pattern};
  size_t close = pattern.find('}', open);
  if (close == std::string::npos) {
    if (error) *error = "'{' without '}'";
    return {};
  }
  std::vector<std::string> result;
  for (const std::string& choice : Alternatives(pattern.substr(open + 1, close - open - 1), sets, error)) {
    for (const std::string& rest : ExpandKeyPattern(pattern.substr(close + 1), sets, error)) {
      result.push_back(pattern.substr(0, open) + choice + rest);
    }
  }
  return result;
}

TextKeyList ParseTextKeyList(const std::string& text) {
  TextKeyList list;
  Sets sets;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    auto fail = [&](const std::string& why) { list.Errors.push_back("line " + std::to_string(number) + ": " + why); };
    if (words[0] == "set") {
      if (words.size() < 4 || words[2] != "=") {
        fail("a set is \"set Name = words...\"");
        continue;
      }
      sets.emplace_back(words[1], std::vector<std::string>(words.begin() + 3, words.end()));
      continue;
    }
    TextKey key;
    key.Line = number;
    for (size_t i = 1; i < words.size(); ++i) {
      const std::string& w = words[i];
      if (w == "%i" || w == "%ls" || w == "%hs") {
        key.Arguments.push_back(w);
      } else if (w == "tip") {
        key.IsToolTip = true;
      } else if (w.rfind("lines<=", 0) == 0) {
        key.MaxLines = std::stoi(w.substr(7));
      } else if (w.rfind("width<=", 0) == 0 && w.find(':') != std::string::npos) {
        key.MaxWidth = std::stoi(w.substr(7, w.find(':') - 7));
        key.WidthFont = w.substr(w.find(':') + 1);
      } else {
        fail("unknown word " + w);
      }
    }
    std::string error;
    std::vector<std::string> keys = ExpandKeyPattern(words[0], sets, &error);
    if (!error.empty()) fail(error);
    for (const std::string& k : keys) {
      key.Key = k;
      list.Keys.push_back(key);
    }
  }
  return list;
}

TextKeyList ReadTextKeyList(const std::string& path) {
  std::ifstream file(path);
  if (!file) {
    TextKeyList list;
    list.Errors.push_back("cannot read " + path);
    return list;
  }
  std::stringstream text;
  text << file.rdbuf();
  return ParseTextKeyList(text.str());
}

std::vector<std::string> FormatConversions(const std::u16string& text) {
  std::vector<std::string> found;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'%') continue;
    size_t j = i + 1;
    if (j < text.size() && text[j] == u'%') {
      i = j;
      continue;
    }
    while (j < text.size() && std::u16string_view(u"-+ #0").find(text[j]) != std::u16string_view::npos) ++j;
    while (j < text.size() && ((text[j] >= u'0' && text[j] <= u'9') || text[j] == u'.')) ++j;
    std::string size;
    while (j < text.size() && std::u16string_view(u"hlI64").find(text[j]) != std::u16string_view::npos) {
      size += char(text[j]);
      ++j;
    }
    char16_t type = j < text.size() ? text[j] : 0;
    if (type == u's') {
      found.push_back(size == "l" ? "%ls" : size == "h" ? "%hs" : "%s");
    } else if (std::u16string_view(u"diuxXc").find(type) != std::u16string_view::npos && type != 0) {
      found.push_back("%i");
    } else if (std::u16string_view(u"fgeG").find(type) != std::u16string_view::npos && type != 0) {
      found.push_back("%f");
    } else {
      found.push_back("bad");
    }
    i = j;
  }
  return found;
}

}  // namespace Testing
