#include "tessel/text/LocalizedText.h"

#include <deque>

#include "tessel/Array.h"
#include "tessel/Log.h"
#include "tessel/text/CsvReader.h"

namespace Tessel {

struct LocalizedText::Entry {
  Entry* Next;
  String Key;
  WideString Text;
};

struct LocalizedText::Table {
  Entry* Buckets[NumBuckets] = {};
  std::deque<Entry> Entries;
};

LocalizedText::LocalizedText() = default;
LocalizedText::~LocalizedText() = default;

LocalizedText& LocalizedText::Instance() {
  static LocalizedText table;
  return table;
}

WideString UnescapeText(const WideString& cell) {
  WideString text;
  text.reserve(cell.size());
  for (size_t i = 0; i < cell.size(); ++i) {
    char16_t c = cell[i];
    if (c != '\\') {
      text.push_back(c);
      continue;
    }
    if (++i >= cell.size()) break;
    switch (cell[i]) {
      case 'n': text.push_back('\n'); break;
      case 'r': text.push_back('\r'); break;
      case 't': text.push_back('\t'); break;
      default: text.push_back(cell[i]); break;  // "\\" gives one backslash, "\q" gives q
    }
  }
  return text;
}

void LocalizedText::Load(const String& path, const String& language) {
  auto table = std::make_unique<Table>();
  CsvReader csv(path);
  Array<WideString> row;
  int column = 1;
  if (csv.ReadRow(row)) {
    for (int i = 1; i < row.GetSize(); ++i) {
      if (ToNarrow(row[i]).CompareNoCase(language) == 0) {
        column = i;
        break;
      }
    }
  }
  unsigned estimate = 0;
  while (csv.ReadRow(row)) {
    if (row.GetSize() <= column || row[0].empty() || row[column].empty()) continue;
    Entry& entry = table->Entries.emplace_back();
    entry.Key = ToNarrow(row[0]);
    entry.Text = UnescapeText(row[column]);
    // At the head of its chain: when a key occurs twice the later row wins.
    Entry*& head = table->Buckets[entry.Key.GetHash() & (NumBuckets - 1)];
    entry.Next = head;
    head = &entry;
    estimate += static_cast<unsigned>(entry.Key.GetLength() + 2 * entry.Text.size() + 3);
  }
  int count = static_cast<int>(table->Entries.size());
  PrintLog("Localized text : %i strings [%u Kb]\n", count, (estimate + 36u * count + 16384u) / 1024u);

  std::lock_guard<std::mutex> guard(LoadLock);
  Published.store(table.get(), std::memory_order_release);
  Tables.push_back(std::move(table));
}

const WideString* LocalizedText::Find(const String& key) const {
  const Table* table = Published.load(std::memory_order_acquire);
  if (!table) return nullptr;
  uint32_t hash = key.GetHash();
  for (const Entry* e = table->Buckets[hash & (NumBuckets - 1)]; e; e = e->Next)
    if (e->Key.GetHash() == hash && e->Key.Compare(key) == 0) return &e->Text;
  return nullptr;
}

WideString LocalizedText::GetText(const String& key) const {
  const WideString* text = Find(key);
  return text ? *text : ToWide(key);
}

WideString LocalizedText::GetText(const String& key, const WideString& fallback) const {
  const WideString* text = Find(key);
  return text ? *text : fallback;
}

WideString LocalizedText::GetText(const WideString& key) const { return GetText(ToNarrow(key), key); }

bool LocalizedText::HasText(const String& key) const { return Find(key) != nullptr; }

int LocalizedText::GetCount() const {
  const Table* table = Published.load(std::memory_order_acquire);
  return table ? static_cast<int>(table->Entries.size()) : 0;
}

void LocalizedText::Clear() {
  std::lock_guard<std::mutex> guard(LoadLock);
  Published.store(nullptr, std::memory_order_release);
  Tables.clear();
}

WideString GetText(const String& key) { return LocalizedText::Instance().GetText(key); }
WideString GetText(const String& key, const WideString& fallback) {
  return LocalizedText::Instance().GetText(key, fallback);
}

}  // namespace Tessel
