// The libcurl client against a server of the test's own on 127.0.0.1: what
// goes over the wire, and that no server can hold the game up for longer
// than the request's time-out.
#include "tessel/platform/curl/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "online/LoopbackHttpServer.h"

using namespace Tessel;
using Testing::LoopbackHttpServer;

namespace {

HttpGetRequest RequestTo(int port, const char* path = "/post.php?d=AB%7F%20") {
  HttpGetRequest request;
  request.Host = "127.0.0.1";
  request.Port = port;
  request.Path = path;
  request.UserAgent = "Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)";
  request.ConnectTimeoutMs = 2000;
  request.TimeoutMs = 3000;
  return request;
}

// Milliseconds the call took.
template <typename F>
long long Timed(F&& call) {
  auto start = std::chrono::steady_clock::now();
  call();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(CurlHttpClient, SendsOneGetWithHostAndUserAgentOnly) {
  LoopbackHttpServer server;
  CurlHttpClient client(false);
  HttpResult result = client.SendGet(RequestTo(server.Port()));
  EXPECT_EQ(result.Outcome, HTTPOUT_Sent) << result.Error.CStr();
  EXPECT_EQ(result.StatusCode, 200);
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], "GET /post.php?d=AB%7F%20 HTTP/1.1\r\n"
                                  "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
                                  "User-Agent: Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)\r\n"
                                  "\r\n");
}

TEST(CurlHttpClient, AnyAnswerCountsAsSent) {
  LoopbackHttpServer server(LoopbackHttpServer::SERVER_Answer,
                            "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found");
  CurlHttpClient client(false);
  HttpResult result = client.SendGet(RequestTo(server.Port()));
  EXPECT_EQ(result.Outcome, HTTPOUT_Sent);
  EXPECT_EQ(result.StatusCode, 404);
}

TEST(CurlHttpClient, ARedirectIsNotFollowed) {
  LoopbackHttpServer elsewhere;
  LoopbackHttpServer server(LoopbackHttpServer::SERVER_Answer,
                            "HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:" + std::to_string(elsewhere.Port()) +
                                "/x\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
  CurlHttpClient client(false);
  HttpResult result = client.SendGet(RequestTo(server.Port()));
  EXPECT_EQ(result.Outcome, HTTPOUT_Sent);
  EXPECT_EQ(result.StatusCode, 302);
  EXPECT_EQ(elsewhere.Connections(), 0);
}

TEST(CurlHttpClient, ARefusedConnectionFailsAtOnce) {
  CurlHttpClient client(false);
  HttpResult result;
  long long ms = Timed([&] { result = client.SendGet(RequestTo(Testing::UnusedLoopbackPort())); });
  EXPECT_EQ(result.Outcome, HTTPOUT_SendFailed);
  EXPECT_FALSE(result.Error.IsEmpty());
  EXPECT_LT(ms, 2000);
}

TEST(CurlHttpClient, ASilentServerTimesOut) {
  LoopbackHttpServer server(LoopbackHttpServer::SERVER_NeverAnswer);
  CurlHttpClient client(false);
  HttpGetRequest request = RequestTo(server.Port());
  request.TimeoutMs = 400;
  HttpResult result;
  long long ms = Timed([&] { result = client.SendGet(request); });
  EXPECT_EQ(result.Outcome, HTTPOUT_SendFailed);
  EXPECT_GE(ms, 350);
  EXPECT_LT(ms, 2500);
  EXPECT_EQ(server.Requests().size(), 1u) << "the request itself went out";
}

// A server sending its headers a byte at a time never gets to keep the game.
TEST(CurlHttpClient, AnAnswerThatNeverEndsItsHeadersTimesOut) {
  LoopbackHttpServer server(LoopbackHttpServer::SERVER_DripHeaders);
  CurlHttpClient client(false);
  HttpGetRequest request = RequestTo(server.Port());
  request.TimeoutMs = 500;
  HttpResult result;
  long long ms = Timed([&] { result = client.SendGet(request); });
  EXPECT_EQ(result.Outcome, HTTPOUT_SendFailed);
  EXPECT_LT(ms, 2500);
}

// The body is never read, so an endless one costs nothing.
TEST(CurlHttpClient, AnEndlessBodyIsNotRead) {
  LoopbackHttpServer server(LoopbackHttpServer::SERVER_EndlessBody);
  CurlHttpClient client(false);
  HttpResult result;
  long long ms = Timed([&] { result = client.SendGet(RequestTo(server.Port())); });
  EXPECT_EQ(result.Outcome, HTTPOUT_Sent) << result.Error.CStr();
  EXPECT_EQ(result.StatusCode, 200);
  EXPECT_LT(ms, 2000);
}

TEST(CurlHttpClient, UnusableRequestsDoNotGoOut) {
  LoopbackHttpServer server;
  CurlHttpClient client(false);
  HttpGetRequest request = RequestTo(server.Port());
  request.Host = "127.0.0.1@example.net";
  EXPECT_EQ(client.SendGet(request).Outcome, HTTPOUT_BadAddress);
  request = RequestTo(server.Port(), "/a\r\nX-Injected: 1");
  EXPECT_EQ(client.SendGet(request).Outcome, HTTPOUT_BadRequest);
  EXPECT_EQ(server.Connections(), 0);
}
