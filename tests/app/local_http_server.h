#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace korvix {

// A small HTTP/1.0 server on 127.0.0.1 and a free port, for the update check
// to talk to. Answers one connection at a time.
class LocalHttpServer {
public:
  struct Response {
    int status = 200;
    std::string body;
    // Announce the whole body but close after this many bytes.
    size_t breakafter = std::string::npos;
    // Take the request and never answer.
    bool stall = false;
    // Announce the whole body, send this many bytes and hold the connection
    // open, as a transfer under way.
    size_t holdafter = std::string::npos;
    // Announce no length and send the body over and over until the client
    // goes away.
    bool endless = false;
  };

  LocalHttpServer();
  ~LocalHttpServer();

  void Serve(const std::string& path, Response response);
  std::string BaseUrl() const;
  int Requests(const std::string& path);
  std::string LastUserAgent();

private:
  void Run();
  void Answer(int client);

  int m_listener = -1;
  int m_stoppipe[2] = {-1, -1};
  int m_port = 0;
  std::mutex m_lock;
  std::map<std::string, Response> m_routes;
  std::map<std::string, int> m_requests;
  std::string m_useragent;
  std::vector<int> m_stalled;
  std::thread m_thread;
};

}  // namespace korvix
