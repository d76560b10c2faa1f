#pragma once
// LocalizedText: every text the player sees, by key, from "./data/Text.csv".
//
// One row per key, one column per language; the application's language picks
// the column. The loading thread fills a table of its own and publishes it
// whole when it is done, so lookups from the main thread never see a table
// being built: until then they return the key (or the given default).

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "tessel/Strings.h"
#include "tessel/WideText.h"

namespace Tessel {

class LocalizedText {
public:
  static constexpr int NumBuckets = 4096;

  LocalizedText();
  ~LocalizedText();
  LocalizedText(const LocalizedText&) = delete;
  LocalizedText& operator=(const LocalizedText&) = delete;

  // The process-wide table.
  static LocalizedText& Instance();

  // Reads the table; the language selects the column (case-insensitive,
  // column 1 when no header names it). A missing file gives an empty table.
  void Load(const String& path, const String& language);

  // The text of the key, or the key itself as wide text.
  WideString GetText(const String& key) const;
  WideString GetText(const String& key, const WideString& fallback) const;
  WideString GetText(const WideString& key) const;
  bool HasText(const String& key) const;
  int GetCount() const;
  // Removes every entry; no other thread may be looking texts up.
  void Clear();

private:
  struct Entry;
  struct Table;
  const WideString* Find(const String& key) const;

  std::atomic<const Table*> Published{nullptr};
  std::mutex LoadLock;
  std::vector<std::unique_ptr<Table>> Tables;  // every table published; kept until Clear
};

// Replaces the escapes of a text cell: \\ \n \r \t; a backslash before any
// other character is dropped; one at the end too.
WideString UnescapeText(const WideString& cell);

// Shortcuts to the process-wide table.
WideString GetText(const String& key);
WideString GetText(const String& key, const WideString& fallback);

}  // namespace Tessel
