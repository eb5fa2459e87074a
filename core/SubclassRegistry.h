#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace trumbel {

// A client that wants to see a window's events before the window does.
template <typename Window, typename Event> class SubclassClient {
public:
    virtual ~SubclassClient() = default;
    // Setting killEvent keeps the event from later clients and from the window, which then
    // answers result.
    virtual void WindowProc(Window window, Event& event, bool& killEvent, long& result) = 0;
};

// Per window, the ordered list of attached clients. The first attach hooks the window (install),
// the last detach unhooks it (restore). Clients are called in attach order. A client is not
// owned: it must detach before it goes away.
template <typename Window, typename Event> class SubclassRegistry {
public:
    using Client = SubclassClient<Window, Event>;

    struct Hooks {
        std::function<bool(Window)> exists; // attaching to a window that is gone does nothing
        std::function<void(Window)> install;
        std::function<void(Window)> restore;
        std::function<bool()> allowed; // false: nothing is ever hooked
    };

    struct Outcome {
        bool killed = false;
        long result = 0;
    };

    explicit SubclassRegistry(Hooks hooks) : hooks_(std::move(hooks)) {}

    void Attach(Window window, Client* client) {
        if (!client || (hooks_.allowed && !hooks_.allowed()) ||
            (hooks_.exists && !hooks_.exists(window))) {
            return;
        }
        auto it = clients_.find(window);
        if (it == clients_.end()) {
            clients_[window].push_back(client);
            if (hooks_.install) {
                hooks_.install(window);
            }
            return;
        }
        std::vector<Client*>& list = it->second;
        if (std::find(list.begin(), list.end(), client) == list.end()) {
            list.push_back(client);
        }
    }

    void Detach(Window window, Client* client) {
        auto it = clients_.find(window);
        if (it == clients_.end()) {
            return;
        }
        std::vector<Client*>& list = it->second;
        list.erase(std::remove(list.begin(), list.end(), client), list.end());
        if (list.empty()) {
            clients_.erase(it);
            if (!hooks_.exists || hooks_.exists(window)) {
                if (hooks_.restore) {
                    hooks_.restore(window);
                }
            }
        }
    }

    // The window is gone: drop its clients without touching it.
    void Forget(Window window) { clients_.erase(window); }

    int Count(Window window) const {
        auto it = clients_.find(window);
        return it == clients_.end() ? 0 : static_cast<int>(it->second.size());
    }

    // Client number n, counted from 1 as attached; null when there is none.
    Client* ClientAt(Window window, int n) const {
        auto it = clients_.find(window);
        if (it == clients_.end() || n < 1 || n > static_cast<int>(it->second.size())) {
            return nullptr;
        }
        return it->second[static_cast<std::size_t>(n - 1)];
    }

    bool Hooked(Window window) const { return clients_.count(window) != 0; }

    // Passes the event to the clients in order until one kills it. Not killed: the window
    // handles the event as it would without clients.
    Outcome Dispatch(Window window, Event& event) {
        Outcome out;
        auto it = clients_.find(window);
        if (it == clients_.end()) {
            return out;
        }
        // A client may detach itself or others while it runs: walk a copy and skip whoever
        // has left meanwhile.
        const std::vector<Client*> snapshot = it->second;
        for (Client* c : snapshot) {
            auto now = clients_.find(window);
            if (now == clients_.end()) {
                break;
            }
            if (std::find(now->second.begin(), now->second.end(), c) == now->second.end()) {
                continue;
            }
            bool kill = false;
            long result = 0;
            c->WindowProc(window, event, kill, result);
            if (kill) {
                out.killed = true;
                out.result = result;
                break;
            }
        }
        return out;
    }

private:
    Hooks hooks_;
    std::map<Window, std::vector<Client*>> clients_;
};

} // namespace trumbel
