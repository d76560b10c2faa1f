#pragma once
// The log file: every text is appended with its own open, write and close, so
// a line is on disk before the next statement runs, even if the process dies.

#include "tessel/Log.h"

namespace Tessel {

class LogFile : public OutputListener {
public:
  void Write(const String& text) override;
  ~LogFile() override = default;
  // Stores the path; unless keep is set, creates or truncates the file.
  void Open(const String& path, bool keep);
  const String& GetPath() const { return Path; }

private:
  String Path;  // empty: not open, texts are dropped
};

}  // namespace Tessel
