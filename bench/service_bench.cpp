// SPDX-License-Identifier: MIT
// The reference service under hostile clients, run as its own process so that its resident
// memory is its own: the answer time of a normal request while slow clients trickle their
// heads, its memory after clients send 100 MB heads, and how many password guesses it checks.
#include <benchmark/benchmark.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "TlsProbe.h"
#include "service/UserFile.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using quorvane::test::TlsProbe;

// quorvane-projection-service in a temporary folder of its own, with the shipped sample
// projections and one user "coach" whose password is "s3cret" (at the real hash cost).
class ServiceProcess {
  public:
    ServiceProcess() {
        m_folder =
            fs::temp_directory_path() / ("quorvane-service-bench-" + std::to_string(getpid()) +
                                         "-" + std::to_string(++s_count));
        fs::create_directories(m_folder);
        const std::string cert = (m_folder / "cert.pem").string();
        const std::string key = (m_folder / "key.pem").string();
        const std::string users = (m_folder / "users.txt").string();
        const std::string make =
            "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
            "-subj /CN=127.0.0.1 -keyout '" +
            key + "' -out '" + cert + "' >/dev/null 2>&1";
        std::string reason;
        if (std::system(make.c_str()) != 0 ||
            !quorvane::service::addUser(users, "coach", "s3cret", reason)) {
            return;
        }
        int output[2];
        if (::pipe(output) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            // The service ends with the benchmark, also when the benchmark does not end well.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            ::dup2(output[1], STDERR_FILENO);
            ::close(output[0]);
            ::execl(QUORVANE_SERVICE_PROGRAM, QUORVANE_SERVICE_PROGRAM, "serve", "--listen",
                    "127.0.0.1:0", "--cert", cert.c_str(), "--key", key.c_str(), "--projections",
                    QUORVANE_SAMPLE_PROJECTIONS, "--version", "1303", "--users", users.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(output[1]);
        // "serving on https://127.0.0.1:PORT"
        std::string line;
        char c = 0;
        while (::read(output[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        ::close(output[0]);
        const auto colon = line.rfind(':');
        if (colon != std::string::npos) {
            m_port = std::atoi(line.c_str() + colon + 1);
        }
    }
    ~ServiceProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        std::error_code error;
        fs::remove_all(m_folder, error);
    }
    int port() const { return m_port; }
    // "VmRSS" (resident now) or "VmHWM" (the peak), in MiB.
    double memoryMiB(const std::string& field) const {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with(field + ":")) {
                return std::atof(line.c_str() + field.size() + 1) / 1024.0;
            }
        }
        return -1;
    }

  private:
    static inline int s_count = 0;
    fs::path m_folder;
    pid_t m_pid = -1;
    int m_port = 0;
};

// Slow clients that send one byte of a request head a second, each reconnecting when the
// service drops it, until destroyed.
class Tricklers {
  public:
    Tricklers(int port, int count) {
        for (int i = 0; i < count; ++i) {
            m_threads.emplace_back([this, port] {
                const std::string head = "GET /draft/nba/version.asp HTTP/1.1\r\nHost: x\r\nX: ";
                while (!m_stop) {
                    TlsProbe probe(port, 2s);
                    if (!probe.handshake()) {
                        std::this_thread::sleep_for(100ms);
                        continue;
                    }
                    for (std::size_t sent = 0; !m_stop; ++sent) {
                        if (!probe.send(std::string(1, head[std::min(sent, head.size() - 1)]))) {
                            break;
                        }
                        for (int wait = 0; wait < 10 && !m_stop; ++wait) {
                            std::this_thread::sleep_for(100ms);
                        }
                    }
                }
            });
        }
    }
    ~Tricklers() {
        m_stop = true;
        for (auto& thread : m_threads) {
            thread.join();
        }
    }

  private:
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_threads;
};

// One normal request on a new connection, handshake included; seconds, or the timeout.
double timedVersionRequest(int port, std::chrono::seconds timeout, bool& answered) {
    const auto start = Clock::now();
    TlsProbe probe(port, timeout);
    answered = probe.handshake() &&
               probe.send(
                   "GET /draft/nba/version.asp HTTP/1.1\r\nHost: x\r\n"
                   "Connection: close\r\n\r\n") &&
               quorvane::test::statusOf(probe.receiveResponse()) == 200;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_AnswerWhileClientsTrickle(benchmark::State& state) {
    ServiceProcess service;
    if (service.port() == 0) {
        state.SkipWithError("the service did not start");
        return;
    }
    Tricklers tricklers(service.port(), static_cast<int>(state.range(0)));
    std::this_thread::sleep_for(2s);
    std::vector<double> times;
    int unanswered = 0;
    for (auto _ : state) {
        bool answered = false;
        const double seconds = timedVersionRequest(service.port(), 5s, answered);
        times.push_back(seconds);
        unanswered += answered ? 0 : 1;
        state.SetIterationTime(seconds);
        std::this_thread::sleep_for(300ms);
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2] * 1000;
    state.counters["max_ms"] = times.back() * 1000;
    state.counters["unanswered"] = unanswered;
}
BENCHMARK(BM_AnswerWhileClientsTrickle)
    ->Arg(0)
    ->Arg(8)
    ->Arg(64)
    ->Iterations(9)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_MemoryAfterHugeHeads(benchmark::State& state) {
    ServiceProcess service;
    if (service.port() == 0) {
        state.SkipWithError("the service did not start");
        return;
    }
    bool warm = false;
    timedVersionRequest(service.port(), 5s, warm);
    const double before = service.memoryMiB("VmRSS");
    std::atomic<long long> delivered{0};
    for (auto _ : state) {
        std::vector<std::thread> clients;
        for (int i = 0; i < 4; ++i) {
            clients.emplace_back([&service, &delivered] {
                TlsProbe probe(service.port(), 30s);
                if (!probe.handshake() || !probe.send("GET /draft/nba/version.asp HTTP/1.1\r\n")) {
                    return;
                }
                // Many short header lines: no single line is over any per-line limit.
                std::string lines;
                for (int n = 0; lines.size() < (1 << 20) - 100; ++n) {
                    lines += "X-Filler-" + std::to_string(n) + ": " + std::string(80, 'a') + "\r\n";
                }
                for (long long sent = 0; sent < 100LL << 20;
                     sent += static_cast<long long>(lines.size())) {
                    if (!probe.send(lines)) {
                        break;
                    }
                    delivered += static_cast<long long>(lines.size());
                }
            });
        }
        for (auto& client : clients) {
            client.join();
        }
    }
    std::this_thread::sleep_for(1s);
    state.counters["rss_before_MiB"] = before;
    state.counters["rss_after_MiB"] = service.memoryMiB("VmRSS");
    state.counters["rss_peak_MiB"] = service.memoryMiB("VmHWM");
    state.counters["accepted_MiB"] = static_cast<double>(delivered) / (1 << 20);
}
BENCHMARK(BM_MemoryAfterHugeHeads)->Iterations(1)->Unit(benchmark::kMillisecond);

// Two clients of one address guess the password over keep-alive connections for 5 seconds.
void BM_PasswordGuesses(benchmark::State& state) {
    ServiceProcess service;
    if (service.port() == 0) {
        state.SkipWithError("the service did not start");
        return;
    }
    std::atomic<int> checked{0};
    std::atomic<int> throttled{0};
    const auto window = 5s;
    for (auto _ : state) {
        const auto end = Clock::now() + window;
        std::vector<std::thread> guessers;
        for (int g = 0; g < 2; ++g) {
            guessers.emplace_back([&, g] {
                for (int n = 0; Clock::now() < end;) {
                    TlsProbe probe(service.port(), 5s);
                    if (!probe.handshake()) {
                        continue;
                    }
                    for (; Clock::now() < end; ++n) {
                        const std::string guess = "/draft/nfl/user.asp?u=coach&p=guess" +
                                                  std::to_string(g) + "x" + std::to_string(n);
                        if (!probe.send(quorvane::test::getRequest(guess))) {
                            break;
                        }
                        const int status = quorvane::test::statusOf(probe.receiveResponse());
                        if (status == 403) {
                            ++checked;
                        } else if (status == 429) {
                            ++throttled;
                        } else {
                            break;
                        }
                    }
                }
            });
        }
        for (auto& guesser : guessers) {
            guesser.join();
        }
    }
    const double seconds = std::chrono::duration<double>(window).count();
    state.counters["checked_per_s"] = checked / seconds;
    state.counters["throttled_per_s"] = throttled / seconds;
}
BENCHMARK(BM_PasswordGuesses)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
