// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvane {

class NightHost;

struct NightServerSettings {
    // The addresses to listen on; each one a numeric IPv4 or IPv6 address.
    std::vector<std::string> addresses;
    int port = 0;  // 0 takes any free port
    std::string pagesFolder;
    // For a whole request from its first byte, and for an idle connection.
    std::chrono::milliseconds deadline{std::chrono::seconds(10)};
    std::size_t headLimit = 8 * 1024;
    std::size_t bodyLimit = 4 * 1024;
    // A room of phones, each with a socket and a browser's few connections, a board and some
    // spare; past it a new connection is closed at once.
    std::size_t connectionLimit = 128;
    // A screen that falls this many states behind is closed; it catches up when it reconnects.
    std::size_t sendQueueLimit = 64;
    // Ctrl+C and SIGTERM end run(): for a host in the foreground of a terminal.
    bool stopOnInterrupt = false;
};

// Serves the draft night's pages, its JSON API and the WebSocket that pushes the room's state,
// on one thread, plain HTTP. The host is used on that thread only.
class NightServer {
  public:
    NightServer(NightHost& host, NightServerSettings settings);
    ~NightServer();
    NightServer(const NightServer&) = delete;
    NightServer& operator=(const NightServer&) = delete;

    // Binds every address; false with the reason when one cannot be bound.
    bool listen(std::string& reason);
    int port() const;
    // "http://ADDRESS:PORT/" for every address listened on.
    std::vector<std::string> boardAddresses() const;

    // Serves until stop().
    void run();
    // From any thread, also before run().
    void stop();
    // Runs `work` on the server's thread and waits for it; from another thread only.
    void withHost(const std::function<void(NightHost&)>& work);
    // Called on the server's thread after every change of the room, with its version.
    void onChange(std::function<void(std::uint64_t)> changed);

    static std::int64_t wallClockMs();

    // What the connections share; only the server's own file knows it.
    struct State;

  private:
    std::unique_ptr<State> m_state;
};

// The machine's addresses on a private local network (10/8, 172.16/12, 192.168/16 and IPv6
// unique local addresses): where a host listens unless told otherwise.
std::vector<std::string> localNetworkAddresses();
// Whether a numeric address is one of those.
bool isLocalNetworkAddress(const std::string& address);

}  // namespace quorvane
