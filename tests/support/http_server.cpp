#include "support/http_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace calvorin::test {

HttpServer::HttpServer(std::uint16_t port) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return;
    BOOL reuse = TRUE;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof(reuse));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    int size = sizeof(address);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(s, 16) != 0 || getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        closesocket(s);
        return;
    }
    listener_ = s;
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

HttpServer::~HttpServer() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        stop_ = true;
    }
    stopping_.notify_all();
    if (listening()) closesocket(listener_);
    if (acceptor_.joinable()) acceptor_.join();
    for (auto& c : connections_)
        c.join();
    WSACleanup();
}

void HttpServer::serve(const std::string& path, std::string response, bool stall) {
    std::lock_guard<std::mutex> hold(lock_);
    answers_[path] = {std::move(response), stall};
}

void HttpServer::stopServing(const std::string& path) {
    std::lock_guard<std::mutex> hold(lock_);
    answers_.erase(path);
}

std::vector<std::string> HttpServer::requests() {
    std::lock_guard<std::mutex> hold(lock_);
    return requests_;
}

std::string HttpServer::response(const std::string& body, int status,
                                 const std::string& extraHeaders) {
    const char* reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Status";
    return "HTTP/1.1 " + std::to_string(status) + " " + reason +
           "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + extraHeaders +
           "Connection: close\r\n\r\n" + body;
}

void HttpServer::acceptLoop() {
    for (;;) {
        SOCKET c = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
        if (c == INVALID_SOCKET) return; // the listener closed: the server is going
        std::lock_guard<std::mutex> hold(lock_);
        if (stop_) {
            closesocket(c);
            return;
        }
        connections_.emplace_back([this, c] { answer(c); });
    }
}

void HttpServer::answer(std::uintptr_t connection) {
    const SOCKET c = static_cast<SOCKET>(connection);
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        const int got = recv(c, buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<std::size_t>(got));
    }
    // "GET /path HTTP/1.1": the path is the second word.
    const auto first = request.find(' ');
    const auto second = first == std::string::npos ? first : request.find(' ', first + 1);
    const std::string path =
        second == std::string::npos ? std::string() : request.substr(first + 1, second - first - 1);
    Answer a{response("Not found", 404), false};
    {
        std::unique_lock<std::mutex> hold(lock_);
        requests_.push_back(path);
        auto it = answers_.find(path);
        if (it != answers_.end()) a = it->second;
        if (a.stall) stopping_.wait(hold, [this] { return stop_; });
    }
    if (!a.stall) {
        std::size_t sent = 0;
        while (sent < a.response.size()) {
            const int n =
                send(c, a.response.data() + sent, static_cast<int>(a.response.size() - sent), 0);
            if (n <= 0) break;
            sent += static_cast<std::size_t>(n);
        }
    }
    shutdown(c, SD_SEND);
    closesocket(c);
}

} // namespace calvorin::test
