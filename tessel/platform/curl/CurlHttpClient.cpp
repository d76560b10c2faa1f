#include "tessel/platform/curl/CurlHttpClient.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "tessel/Format.h"

namespace Tessel {

namespace {

// curl_global_init is not thread-safe: it runs once, before the first request.
bool InitialiseCurlOnce() {
  static std::once_flag once;
  static bool initialised = false;
  std::call_once(once, [] { initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
  return initialised;
}

struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct HeaderListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

struct Exchange {
  bool BodyStarted = false;
};

// The body is not wanted: the first bytes of it end the transfer.
size_t DropBody(char*, size_t, size_t, void* context) {
  static_cast<Exchange*>(context)->BodyStarted = true;
  return 0;
}

}  // namespace

CurlHttpClient::CurlHttpClient(bool useSystemProxy) : UseSystemProxy(useSystemProxy) {}

HttpResult CurlHttpClient::SendGet(const HttpGetRequest& request) {
  HttpResult result;
  result.Outcome = CheckHttpGetRequest(request);
  if (result.Outcome != HTTPOUT_Sent) {
    result.Error = result.Outcome == HTTPOUT_BadAddress ? String("unusable host or port") : String("unusable path");
    return result;
  }
  if (!InitialiseCurlOnce()) {
    result.Outcome = HTTPOUT_NoSession;
    result.Error = "curl_global_init failed";
    return result;
  }
  std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
  if (!easy) {
    result.Outcome = HTTPOUT_NoSession;
    result.Error = "curl_easy_init failed";
    return result;
  }
  CURL* e = easy.get();
  String url = request.Port == 80 ? Format("http://%s%s", request.Host, request.Path)
                                  : Format("http://%s:%i%s", request.Host, request.Port, request.Path);
  Exchange exchange;
  char errorText[CURL_ERROR_SIZE] = {};

  // An empty "Accept:" removes the header libcurl would add.
  std::unique_ptr<curl_slist, HeaderListDeleter> headers(curl_slist_append(nullptr, "Accept:"));
  bool ok = headers != nullptr;
  ok = ok && curl_easy_setopt(e, CURLOPT_ERRORBUFFER, errorText) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_URL, url.CStr()) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http") == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_PATH_AS_IS, 1L) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_HTTPGET, 1L) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_USERAGENT, request.UserAgent.CStr()) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get()) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.ConnectTimeoutMs)) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, static_cast<long>(request.TimeoutMs)) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, DropBody) == CURLE_OK;
  ok = ok && curl_easy_setopt(e, CURLOPT_WRITEDATA, &exchange) == CURLE_OK;
  if (ok && !UseSystemProxy) ok = curl_easy_setopt(e, CURLOPT_PROXY, "") == CURLE_OK;
  if (!ok) {
    result.Outcome = HTTPOUT_BadRequest;
    result.Error = "the request could not be set up";
    return result;
  }

  CURLcode code = curl_easy_perform(e);
  long status = 0;
  curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
  result.StatusCode = static_cast<int>(status);
  // Ending the transfer at the body is how an answer is left unread.
  bool answered = code == CURLE_OK || (code == CURLE_WRITE_ERROR && exchange.BodyStarted && status > 0);
  if (answered) {
    result.Outcome = HTTPOUT_Sent;
  } else {
    result.Outcome = HTTPOUT_SendFailed;
    result.Error = errorText[0] ? String(errorText) : String(curl_easy_strerror(code));
  }
  return result;
}

}  // namespace Tessel
