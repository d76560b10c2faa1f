#pragma once
// Stand-ins for the platform: a web client that records its requests, a
// shell that records what it was asked to open, a machine with fixed answers.

#include <optional>
#include <vector>

#include "tessel/app/MachineInfo.h"
#include "tessel/app/ShellOpener.h"
#include "tessel/net/HttpClient.h"

namespace Testing {

class FakeHttpClient : public Tessel::HttpClient {
public:
  Tessel::HttpResult SendGet(const Tessel::HttpGetRequest& request) override {
    Requests.push_back(request);
    return Result;
  }

  Tessel::HttpResult Result{Tessel::HTTPOUT_Sent, 200, Tessel::String()};
  std::vector<Tessel::HttpGetRequest> Requests;
};

class FakeShellOpener : public Tessel::ShellOpener {
public:
  bool Open(const Tessel::String& address) override {
    Opened.push_back(address);
    return Succeeds;
  }

  bool Succeeds = true;
  std::vector<Tessel::String> Opened;
};

class FakeMachineInfo : public Tessel::MachineInfo {
public:
  std::optional<int> GetProcessorMhz() const override { return Mhz; }
  uint32_t GetMemoryMb() const override { return MemoryMb; }

  std::optional<int> Mhz = 2400;
  uint32_t MemoryMb = 7936;
};

}  // namespace Testing
