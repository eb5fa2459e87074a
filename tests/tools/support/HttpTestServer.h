#pragma once

// A one-thread HTTP server on 127.0.0.1 for the companion programs' tests: it answers every
// request with a fixed body (with a Content-Length, or ended by closing the connection), or
// (silent) accepts and never answers. A client that hangs up early ends the answer.
#include <arpa/inet.h>
#include <atomic>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tooltest {

class HttpTestServer {
public:
    enum class Mode { Answer, AnswerWithoutLength, Silent };

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
    long long BodyBytesSent() const { return bodyBytesSent_; }
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
            const std::string length =
                mode_ == Mode::Answer ? "Content-Length: " + std::to_string(body_.size()) + "\r\n"
                                      : "";
            const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n" + length +
                                     "Connection: close\r\n\r\n";
            const timeval patience{5, 0}; // a client that stops reading never hangs the suite
            setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
            if (Send(client, head))
                Send(client, body_, &bodyBytesSent_);
            close(client);
        }
    }

    // Without SIGPIPE when the client has gone.
    static bool Send(int fd, const std::string& bytes, std::atomic<long long>* count = nullptr) {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
            if (count != nullptr)
                *count += n;
        }
        return true;
    }

    std::string body_;
    Mode mode_;
    int listener_ = -1;
    int port_ = 0;
    std::vector<int> held_;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::atomic<long long> bodyBytesSent_{0};
    mutable std::mutex mutex_;
    std::string lastRequestLine_;
    std::thread thread_;
};

} // namespace tooltest
