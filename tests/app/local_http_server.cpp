#include "local_http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace korvix {

namespace {

// False once the client has gone.
bool SendAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<size_t>(sent);
  }
  return true;
}

std::string HeaderValue(const std::string& request, const std::string& name) {
  const size_t at = request.find("\r\n" + name + ":");
  if (at == std::string::npos) return {};
  size_t start = at + name.size() + 3;
  while (start < request.size() && request[start] == ' ') ++start;
  return request.substr(start, request.find("\r\n", start) - start);
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
  m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(m_listener, 16) != 0 || getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
      pipe2(m_stoppipe, O_CLOEXEC) != 0)
    throw std::runtime_error("local HTTP server could not listen");
  m_port = ntohs(address.sin_port);
  m_thread = std::thread([this] { Run(); });
}

LocalHttpServer::~LocalHttpServer() {
  const char stop = 'x';
  while (write(m_stoppipe[1], &stop, 1) < 0 && errno == EINTR) {
  }
  m_thread.join();
  for (int fd : m_stalled) close(fd);
  close(m_listener);
  close(m_stoppipe[0]);
  close(m_stoppipe[1]);
}

void LocalHttpServer::Serve(const std::string& path, Response response) {
  std::lock_guard guard(m_lock);
  m_routes[path] = std::move(response);
}

std::string LocalHttpServer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(m_port); }

int LocalHttpServer::Requests(const std::string& path) {
  std::lock_guard guard(m_lock);
  return m_requests[path];
}

std::string LocalHttpServer::LastUserAgent() {
  std::lock_guard guard(m_lock);
  return m_useragent;
}

void LocalHttpServer::Run() {
  for (;;) {
    pollfd watched[2] = {{m_listener, POLLIN, 0}, {m_stoppipe[0], POLLIN, 0}};
    if (poll(watched, 2, -1) < 0) continue;
    if (watched[1].revents) return;
    if (watched[0].revents & POLLIN) {
      const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
      if (client >= 0) Answer(client);
    }
  }
}

void LocalHttpServer::Answer(int client) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    pollfd readable{client, POLLIN, 0};
    if (poll(&readable, 1, 2000) <= 0) break;
    const ssize_t got = recv(client, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
  }
  const size_t pathstart = request.find(' ') + 1;
  const std::string path = request.substr(pathstart, request.find(' ', pathstart) - pathstart);

  Response response;
  {
    std::lock_guard guard(m_lock);
    ++m_requests[path];
    m_useragent = HeaderValue(request, "User-Agent");
    const auto route = m_routes.find(path);
    if (route == m_routes.end())
      response.status = 404;
    else
      response = route->second;
  }
  if (response.stall) {
    m_stalled.push_back(client);
    return;
  }
  const std::string length =
      response.endless ? std::string() : "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
  const std::string head =
      "HTTP/1.0 " + std::to_string(response.status) + " X\r\n" + length + "Connection: close\r\n\r\n";
  bool open = SendAll(client, head.data(), head.size());
  if (response.endless) {
    while (open && !response.body.empty()) open = SendAll(client, response.body.data(), response.body.size());
  } else {
    const size_t sent = std::min({response.breakafter, response.holdafter, response.body.size()});
    open = SendAll(client, response.body.data(), sent);
    if (open && response.holdafter < response.body.size()) {
      m_stalled.push_back(client);
      return;
    }
  }
  close(client);
}

}  // namespace korvix
