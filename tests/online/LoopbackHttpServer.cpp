#include "online/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace Testing {

namespace {

int BindLoopback(sockaddr_in& address) {
  int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (s < 0) throw std::runtime_error("socket");
  int yes = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(s);
    throw std::runtime_error("bind");
  }
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  return s;
}

// Waits up to ms for the socket to become readable; false on timeout.
bool WaitReadable(int s, int ms) {
  pollfd p{s, POLLIN, 0};
  return poll(&p, 1, ms) > 0;
}

}  // namespace

int UnusedLoopbackPort() {
  sockaddr_in address;
  int s = BindLoopback(address);
  int port = ntohs(address.sin_port);
  close(s);
  return port;
}

LoopbackHttpServer::LoopbackHttpServer(Behaviour behaviour, std::string answer)
    : Mode(behaviour), Answer(std::move(answer)) {
  sockaddr_in address;
  Listener = BindLoopback(address);
  ListeningPort = ntohs(address.sin_port);
  if (listen(Listener, 8) != 0) throw std::runtime_error("listen");
  Worker = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  Stopping = true;
  Worker.join();
  close(Listener);
}

std::vector<std::string> LoopbackHttpServer::Requests() const {
  std::lock_guard<std::mutex> guard(Lock);
  return Heads;
}

void LoopbackHttpServer::Serve() {
  while (!Stopping) {
    if (!WaitReadable(Listener, 20)) continue;
    int connection = accept4(Listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    ++ConnectionCount;
    Handle(connection);
    close(connection);
  }
}

bool LoopbackHttpServer::ReadHead(int connection, std::string& head) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  char chunk[1024];
  while (head.find("\r\n\r\n") == std::string::npos) {
    if (Stopping || std::chrono::steady_clock::now() > deadline) return false;
    if (!WaitReadable(connection, 20)) continue;
    ssize_t n = recv(connection, chunk, sizeof chunk, 0);
    if (n <= 0) return false;
    head.append(chunk, static_cast<size_t>(n));
  }
  return true;
}

bool LoopbackHttpServer::Send(int connection, const std::string& bytes) {
  // Never blocked by a client that stopped reading: the test could not end.
  size_t sent = 0;
  while (sent < bytes.size()) {
    if (Stopping) return false;
    pollfd p{connection, POLLOUT, 0};
    if (poll(&p, 1, 20) <= 0) continue;
    ssize_t n = send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

// Until the test ends or the client hangs up, sends eachPause after every pause.
void LoopbackHttpServer::WaitUntilStoppedOrClosed(int connection, int pauseMs, const std::string& eachPause) {
  char chunk[256];
  while (!Stopping) {
    if (WaitReadable(connection, pauseMs)) {
      if (recv(connection, chunk, sizeof chunk, 0) <= 0) return;
    }
    if (!eachPause.empty() && !Send(connection, eachPause)) return;
  }
}

void LoopbackHttpServer::Handle(int connection) {
  std::string head;
  bool complete = ReadHead(connection, head);
  {
    std::lock_guard<std::mutex> guard(Lock);
    Heads.push_back(head);
  }
  if (!complete) return;
  switch (Mode) {
    case SERVER_Answer: Send(connection, Answer); break;
    case SERVER_NeverAnswer: WaitUntilStoppedOrClosed(connection, 20, ""); break;
    case SERVER_EndlessBody:
      if (Send(connection, "HTTP/1.1 200 OK\r\nContent-Length: 1000000000\r\n\r\n"))
        WaitUntilStoppedOrClosed(connection, 1, std::string(4096, 'x'));
      break;
    case SERVER_DripHeaders:
      if (Send(connection, "HTTP/1.1 200 OK\r\n")) WaitUntilStoppedOrClosed(connection, 50, "x");
      break;
  }
}

}  // namespace Testing
