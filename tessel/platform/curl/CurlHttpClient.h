#pragma once
// CurlHttpClient: HttpClient over libcurl's easy interface.
//
// One request, one connection: plain HTTP only, no redirects followed, no
// cookies, no "Accept" header; the answer's status line and headers are
// waited for and the body is dropped unread. Connecting and the whole
// exchange are bounded by the request's time-outs (name lookups included),
// and libcurl never raises signals, so other threads are left alone.

#include "tessel/net/HttpClient.h"

namespace Tessel {

class CurlHttpClient : public HttpClient {
public:
  // With useSystemProxy, the proxy the environment names (http_proxy,
  // no_proxy) is used as the system's proxy settings; without it requests
  // always go straight to the host (the tests' loopback server).
  explicit CurlHttpClient(bool useSystemProxy = true);

  HttpResult SendGet(const HttpGetRequest& request) override;

private:
  bool UseSystemProxy;
};

}  // namespace Tessel
