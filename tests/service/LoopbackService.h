// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "service/ProjectionService.h"
#include "support/TestProgram.h"

namespace quorvane::test {

// A self-signed certificate for 127.0.0.1 made with the openssl command, once per test program.
struct TestCertificate {
    std::string certFile;
    std::string keyFile;
};
const TestCertificate& trustedCertificate();
// Another one, which no test trusts.
const TestCertificate& untrustedCertificate();
// One for the host stats.example.org alone, which a test may trust while it connects to
// 127.0.0.1.
const TestCertificate& otherHostCertificate();

inline constexpr const char* kServedProjections =
    "playerid,statindicator,yearofprojection,firstname,lastname,pos,team,dob,games,minutes,fta,"
    "ftm,fga,fgm,pt3a,pt3m,oreb,dreb,assists,steals,blocks,turnovers,doubledouble,tripledouble,"
    "revisiondate,unused25,unused26,PG,SG,PF,SF,C\r\n"
    "101,P,2019,Ann,O'Hara,G,BOS,1990-01-02,80,2400,300,250,1000,480,300,120,40,260,500,90,20,"
    "180,10,1,2019-10-15,0,0,1,1,0,0,0\r\n"
    "102,P,2019,Ben,<b>Bold</b>,C,NYK,1992-05-06,50,1500,100,60,400,200,0,0,150,400,60,30,90,"
    "70,25,0,2019-10-15,0,0,0,0,0,0,1\r\n"
    "102,P,2018,Ben,<b>Bold</b>,C,NYK,1992-05-06,60,1700,120,80,420,210,0,0,160,420,70,32,95,"
    "75,28,0,2018-10-15,0,0,0,0,0,0,1\r\n";

// The reference service on a free loopback port, serving kServedProjections, with one user.
// Stops when the test ends.
class LoopbackService {
  public:
    explicit LoopbackService(const std::string& user = "coach",
                             const std::string& password = "s3cret",
                             const std::string& version = "1303",
                             const TestCertificate& certificate = trustedCertificate());
    // The default user and files, with the configuration adjusted first.
    explicit LoopbackService(const std::function<void(service::ServiceConfig&)>& adjust);
    ~LoopbackService();

    int port() const { return m_service->port(); }
    std::string host() const { return "127.0.0.1:" + std::to_string(port()); }
    bool started() const { return m_started; }

  private:
    void start(const std::string& user, const std::string& password, const std::string& version,
               const TestCertificate& certificate,
               const std::function<void(service::ServiceConfig&)>& adjust);

    TempFolder m_folder;
    std::unique_ptr<service::ProjectionService> m_service;
    std::thread m_thread;
    bool m_started = false;
};

// A loopback server that accepts connections and closes them at once, without a word. Serves at
// most `connections` connections or `seconds`, whichever comes first.
class ClosingServer {
  public:
    explicit ClosingServer(int connections = 4, int seconds = 10);
    ~ClosingServer();
    int port() const { return m_port; }
    std::string host() const { return "127.0.0.1:" + std::to_string(m_port); }

  private:
    int m_socket = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A socket listening on a free loopback port, which is put in `port`; -1 after a failure.
int listenOnLoopback(int& port);

// Sends raw bytes to a loopback port and closes; for malformed requests.
void sendRawBytes(int port, const std::string& bytes);

}  // namespace quorvane::test
