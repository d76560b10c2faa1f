#pragma once
// A tiny HTTP server on 127.0.0.1 (a free port) for the request tests: it
// keeps the head of every request it receives and answers in one of a few
// ways, good or bad. One connection at a time, on its own thread; stopped
// and joined when destroyed.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace Testing {

class LoopbackHttpServer {
public:
  enum Behaviour {
    SERVER_Answer,        // sends the answer text and closes
    SERVER_NeverAnswer,   // reads the request and then stays silent
    SERVER_EndlessBody,   // answers 200 and sends a body that never ends
    SERVER_DripHeaders,   // sends the status line, then a header byte now and then, forever
  };

  explicit LoopbackHttpServer(Behaviour behaviour = SERVER_Answer,
                              std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nOK");
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  int Port() const { return ListeningPort; }
  // The request heads received so far (up to and with the blank line).
  std::vector<std::string> Requests() const;
  int Connections() const { return ConnectionCount; }

private:
  void Serve();
  void Handle(int connection);
  bool ReadHead(int connection, std::string& head);
  bool Send(int connection, const std::string& bytes);
  void WaitUntilStoppedOrClosed(int connection, int pauseMs, const std::string& eachPause);

  Behaviour Mode;
  std::string Answer;
  int Listener = -1;
  int ListeningPort = 0;
  std::atomic<bool> Stopping{false};
  std::atomic<int> ConnectionCount{0};
  mutable std::mutex Lock;
  std::vector<std::string> Heads;
  std::thread Worker;
};

// A loopback port nothing listens on (bound once, then released).
int UnusedLoopbackPort();

}  // namespace Testing
