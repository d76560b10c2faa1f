#pragma once
// HttpClient: the one kind of web request the game makes, a GET whose answer
// nobody reads, behind an interface so that the game runs and is tested
// without a network library (the libcurl backend lives in
// tessel/platform/curl/, tests use a fake).
//
// Every request is bounded in time: the game waits for it on the main thread,
// and a dead or slow server must never hang the frame loop for longer than
// the request's time-outs.

#include <string_view>

#include "tessel/Strings.h"

namespace Tessel {

struct HttpGetRequest {
  String Host;        // a host name or a dotted IPv4 address, nothing else
  int Port = 80;
  String Path;        // starts with "/": path and query, already percent-encoded
  String UserAgent;
  int ConnectTimeoutMs = 3000;
  int TimeoutMs = 5000;  // the whole exchange, connecting included
};

// How far a request got, in the steps a request takes: a session, an
// address to connect to, a request line, the exchange with the server.
enum HttpOutcome {
  HTTPOUT_Sent = 0,          // the server answered (any status); the body is not read
  HTTPOUT_NoSession = 1,     // the client could not start a request at all
  HTTPOUT_BadAddress = 2,    // the host or port cannot be used
  HTTPOUT_BadRequest = 3,    // the path cannot be sent as a request line
  HTTPOUT_SendFailed = 4,    // no connection, no answer in time, or a broken answer
};

struct HttpResult {
  HttpOutcome Outcome = HTTPOUT_NoSession;
  int StatusCode = 0;  // of the answer, when there was one
  String Error;        // what went wrong, for the log
};

class HttpClient {
public:
  virtual ~HttpClient() = default;
  // Blocks until the server has answered, failed or timed out.
  virtual HttpResult SendGet(const HttpGetRequest& request) = 0;
};

// Letters, digits, '-' and '.', 1 to 253 characters, no empty label: a text
// that cannot turn a URL into one for another host ("a@b", "a/b", "a:1").
bool IsUsableHostName(std::string_view host);
// Starts with "/" and holds only printable ASCII without spaces, quotes,
// angle brackets, backslashes or '#': it stands in the request line as it is.
bool IsUsableRequestPath(std::string_view path);
// The outcome of a request that cannot go out as it was given, or
// HTTPOUT_Sent when it can.
HttpOutcome CheckHttpGetRequest(const HttpGetRequest& request);

}  // namespace Tessel
