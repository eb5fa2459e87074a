#pragma once

// A one-thread HTTP server on 127.0.0.1 for the companion programs' tests: it answers every
// request with a fixed body, or (silent) accepts and never answers.
#include <arpa/inet.h>
#include <atomic>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tooltest {

class HttpTestServer {
public:
    enum class Mode { Answer, Silent };

    explicit HttpTestServer(std::string body, Mode mode = Mode::Answer)
        : body_(std::move(body)), mode_(mode) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 8);
        socklen_t length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~HttpTestServer() {
        stop_ = true;
        thread_.join();
        for (int fd : held_)
            close(fd);
        close(listener_);
    }
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    std::string Host() const { return "http://127.0.0.1:" + std::to_string(port_); }
    int Requests() const { return requests_; }
    std::string LastRequestLine() const {
        std::lock_guard lock(mutex_);
        return lastRequestLine_;
    }

    // A port on which nothing listens: bound once, then released.
    static std::string RefusingHost() {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        close(fd);
        return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    }

private:
    void Serve() {
        while (!stop_) {
            pollfd p{listener_, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0)
                continue;
            const int client = accept(listener_, nullptr, nullptr);
            if (client < 0)
                continue;
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                pollfd c{client, POLLIN, 0};
                if (poll(&c, 1, 2000) <= 0)
                    break;
                const ssize_t n = read(client, buffer, sizeof buffer);
                if (n <= 0)
                    break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            {
                std::lock_guard lock(mutex_);
                lastRequestLine_ = request.substr(0, request.find("\r\n"));
            }
            ++requests_;
            if (mode_ == Mode::Silent) {
                held_.push_back(client);
                continue;
            }
            const std::string response = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                                         "Content-Length: " +
                                         std::to_string(body_.size()) +
                                         "\r\nConnection: close\r\n\r\n" + body_;
            [[maybe_unused]] const ssize_t sent = write(client, response.data(), response.size());
            close(client);
        }
    }

    std::string body_;
    Mode mode_;
    int listener_ = -1;
    int port_ = 0;
    std::vector<int> held_;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    mutable std::mutex mutex_;
    std::string lastRequestLine_;
    std::thread thread_;
};

} // namespace tooltest
