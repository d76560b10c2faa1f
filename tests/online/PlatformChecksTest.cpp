// The checks that keep outside text (product settings, the user data folder)
// from turning a request or an opened address into something else.
#include <gtest/gtest.h>

#include <string>

#include "tessel/app/ShellOpener.h"
#include "tessel/net/HttpClient.h"

using namespace Tessel;

TEST(HttpRequestChecks, HostNames) {
  struct Case {
    const char* Host;
    bool Usable;
  } cases[] = {
      {"scores.example.net", true}, {"localhost", true}, {"127.0.0.1", true}, {"a-b.c", true},
      {"example.net.", true},        {"", false},         {".", false},         {"a..b", false},
      {".a", false},                 {"a@b", false},      {"a/b", false},       {"a:80", false},
      {"a b", false},                {"a\r\nb", false},   {"[::1]", false},     {"a?b", false},
      {"a#b", false},                {"\xC3\xA9.net", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsUsableHostName(c.Host), c.Usable) << c.Host;
  EXPECT_TRUE(IsUsableHostName(std::string(63, 'a') + ".b"));
  EXPECT_FALSE(IsUsableHostName(std::string(64, 'a') + ".b")) << "a label has at most 63 characters";
  EXPECT_FALSE(IsUsableHostName(std::string(254, 'a')));
}

TEST(HttpRequestChecks, RequestPaths) {
  struct Case {
    const char* Path;
    bool Usable;
  } cases[] = {
      {"/", true},          {"/post.php?d=%41%7F", true}, {"/a/b?c=d&e=f", true}, {"", false},
      {"post.php", false},  {"/a b", false},              {"/a\r\nHost: x", false}, {"/a#b", false},
      {"/a\"b", false},     {"/a<b>", false},             {"/a\\b", false},       {"/\x7F", false},
      {"/\xC3\xA9", false}, {"/a\tb", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsUsableRequestPath(c.Path), c.Usable) << c.Path;
}

TEST(HttpRequestChecks, ARequestIsCheckedByAddressThenPath) {
  HttpGetRequest request;
  request.Host = "scores.example.net";
  request.Path = "/p";
  EXPECT_EQ(CheckHttpGetRequest(request), HTTPOUT_Sent);
  request.Port = 0;
  EXPECT_EQ(CheckHttpGetRequest(request), HTTPOUT_BadAddress);
  request.Port = 65536;
  EXPECT_EQ(CheckHttpGetRequest(request), HTTPOUT_BadAddress);
  request.Port = 8080;
  request.Path = "p";
  EXPECT_EQ(CheckHttpGetRequest(request), HTTPOUT_BadRequest);
  request.Host = "a/b";
  EXPECT_EQ(CheckHttpGetRequest(request), HTTPOUT_BadAddress);
}

TEST(ShellOpenerChecks, OpenableAddresses) {
  struct Case {
    const char* Address;
    bool Openable, Web;
  } cases[] = {
      {"http://scores.example.net/top", true, true},
      {"HTTPS://scores.example.net/top?a=1&b=2", true, true},
      {"file:///home/anna/.local/share/x/html/index.html", true, false},
      {"http://", false, false},
      {"", false, false},
      {"scores.example.net", false, false},
      {"-h", false, false},
      {"--manual", false, false},
      {"javascript:alert(1)", false, false},
      {"ftp://example.net", false, false},
      {"http://a b", false, false},
      {"http://a\nb", false, false},
      {"http://a'b", false, false},
      {"http://a\"b", false, false},
      {"http://a`b`", false, false},
      {"http://\xC3\xA9", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsOpenableAddress(c.Address), c.Openable) << c.Address;
    EXPECT_EQ(IsWebAddress(c.Address), c.Web) << c.Address;
  }
}

TEST(ShellOpenerChecks, FileAddressesAreAbsoluteAndEncoded) {
  EXPECT_EQ(FileAddressOf(String("/home/anna/html/index.html")), String("file:///home/anna/html/index.html"));
  EXPECT_EQ(FileAddressOf(String("/home/an na/J\xC3\xBCrgen's/$(x);\"/i.html")),
            String("file:///home/an%20na/J%C3%BCrgen%27s/%24%28x%29%3B%22/i.html"));
  EXPECT_EQ(FileAddressOf(String("/a/./b/../c.html")), String("file:///a/c.html"));
  String relative = FileAddressOf(String("html/index.html"));
  EXPECT_EQ(std::string(relative.CStr()).rfind("file:///", 0), 0u) << relative.CStr();
  EXPECT_TRUE(IsOpenableAddress(relative.View()));
}
