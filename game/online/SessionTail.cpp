#include "game/online/SessionTail.h"

namespace Corvanta {

namespace {

// The start of the last "<session" tag (not "<sessions" or text); attribute
// values cannot hold '<', the writer escapes it.
size_t FindLastSessionTag(std::string_view text) {
  size_t at = text.size();
  while (at > 0) {
    at = text.rfind("<session", at - 1);
    if (at == std::string_view::npos) return std::string_view::npos;
    size_t next = at + 8;
    if (next == text.size()) return at;
    char c = text[next];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/') return at;
  }
  return std::string_view::npos;
}

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

SessionTail FindSessionTail(std::string_view statsFile) {
  size_t start = FindLastSessionTag(statsFile);
  if (start == std::string_view::npos) return SESSIONTAIL_Closed;
  std::string_view session = statsFile.substr(start);
  size_t bracket = session.find('>');
  if (bracket == std::string_view::npos) {
    // A start tag whose attributes are complete ends with a quote (or the name).
    std::string_view tag = TrimEnd(session);
    if (tag.back() == '"' || tag == "<session") return SESSIONTAIL_OpenStartTag;
    return SESSIONTAIL_Torn;
  }
  if (session[bracket - 1] == '/') return SESSIONTAIL_Closed;
  if (session.find("</session>", bracket) != std::string_view::npos) return SESSIONTAIL_Closed;
  if (TrimEnd(session).back() != '>') return SESSIONTAIL_Torn;
  return SESSIONTAIL_OpenSession;
}

std::string_view ClosingOf(SessionTail tail) {
  switch (tail) {
    case SESSIONTAIL_OpenStartTag: return "></session>";
    case SESSIONTAIL_OpenSession: return "\r\n</session>";
    default: return "";
  }
}

}  // namespace Corvanta
