#pragma once
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace calvorin::test {

// A small HTTP server on 127.0.0.1 for the tests under Windows: every path answers with the
// bytes it was given (head and body as sent), then the connection closes. Unknown paths get
// a 404. A stalled answer sends nothing until the server goes.
class HttpServer {
  public:
    // Port 0 takes any free port.
    explicit HttpServer(std::uint16_t port = 0);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    bool listening() const { return listener_ != ~std::uintptr_t{0}; }
    std::uint16_t port() const { return port_; }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

    void serve(const std::string& path, std::string response, bool stall = false);
    void stopServing(const std::string& path);
    // Every path asked for, in order.
    std::vector<std::string> requests();

    // A whole response with a status line, a Content-Length and the body.
    static std::string response(const std::string& body, int status = 200,
                                const std::string& extraHeaders = {});

  private:
    void acceptLoop();
    void answer(std::uintptr_t connection);

    std::uintptr_t listener_ = ~std::uintptr_t{0};
    std::uint16_t port_ = 0;
    std::mutex lock_;
    std::condition_variable stopping_;
    bool stop_ = false;
    struct Answer {
        std::string response;
        bool stall = false;
    };
    std::map<std::string, Answer> answers_;
    std::vector<std::string> requests_;
    std::thread acceptor_;
    std::vector<std::thread> connections_;
};

} // namespace calvorin::test
