#pragma once
// Collects everything PrintLog writes while it exists.

#include <string>

#include "tessel/Log.h"

namespace Testing {

class CapturedLog : public Tessel::OutputListener {
public:
  CapturedLog() { Tessel::AddOutputListener(this); }
  ~CapturedLog() override { Tessel::RemoveOutputListener(this); }
  void Write(const Tessel::String& text) override { Text += text.CStr(); }

  std::string Text;
};

}  // namespace Testing
