#pragma once
// PrintLog formats one text and hands it to every output listener in
// registration order. The application registers its log file as a listener
// while it exists; with no listener registered nothing is formatted at all.
// Calls from the loading thread and the main thread are serialised, so two
// threads interleave whole texts only.

#include "tessel/Format.h"
#include "tessel/Strings.h"

namespace Tessel {

class OutputListener {
public:
  virtual ~OutputListener() = default;
  virtual void Write(const String& text) = 0;
};

void AddOutputListener(OutputListener* listener);
void RemoveOutputListener(OutputListener* listener);
bool HasOutputListeners();

// Writes an already formatted text to every listener.
void WriteLog(const String& text);

template <typename... Args>
void PrintLog(const char* format, const Args&... args) {
  if (!HasOutputListeners()) return;
  WriteLog(Format(format, args...));
}

}  // namespace Tessel
