// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

#include "service/ClientAuthorisations.h"
#include "service/HttpExchange.h"
#include "service/HttpsServer.h"
#include "service/ProjectionFile.h"
#include "service/SignInThrottle.h"
#include "service/UpdatePackage.h"
#include "service/UserFile.h"

namespace quorvane::service {

struct ServiceConfig {
    std::string host = "127.0.0.1";
    int port = 8443;  // 0: any free port (tests)
    std::string certFile;
    std::string keyFile;
    std::string projectionsFile;
    std::string version;  // the newest program version, dots removed ("1303")
    std::string usersFile;
    std::string helpFolder = QUORVANE_SERVICE_HELP_DIR;
    std::string packageFile;  // the program package for the updater; empty: none offered
    // The checksum the publisher gives for the package; empty: computed from the file.
    std::string packageSha256;
    // The publisher's signature of the package (scripts/sign-package.sh); empty: none offered.
    std::string packageSignatureFile;
    // The publisher's signed manifest of the package (scripts/sign-package.sh writes
    // PACKAGE.manifest), its signature read from FILE.sig beside it; empty: none offered, and
    // the updater installs nothing.
    std::string packageManifestFile;
    std::chrono::seconds authorisationLifetime{std::chrono::minutes(10)};
    // The TLS handshake, a whole request from its first byte, an idle keep-alive connection and
    // a stalled answer each get this long.
    std::chrono::seconds ioTimeout{10};
    std::size_t requestBodyLimit = 16 * 1024;
    std::size_t requestHeadLimit = 32 * 1024;
    std::size_t connectionLimit = 512;
    // Package downloads written at once (at most half the connections); more are answered 503.
    std::size_t downloadLimit = 64;
    ThrottleRules signInThrottle;
    SteadyClock clock;  // empty: the steady clock (tests pass their own)
};

// Answers every request of the draft program over HTTPS:
//   /draft/nba/version.asp            the version number as text
//   /draft/nfl/user.asp?u=NAME&p=PW   "OK" and a grant of a few minutes for a known user,
//                                     403 otherwise, 400 without both parameters, 429 with
//                                     Retry-After while failed sign-ins are throttled
//   /draft/nba/da_projections.csv     the projection file, to a client with a grant only (403)
//   /draft/nba/da_index.asp, help_main.asp, help_research.asp, help_standings.asp,
//   help_targets.asp                  the help pages of the help folder
//   /draft/nba/da_player.asp?id=N     a page made from the projection file (400 for a bad id,
//                                     404 for an unknown player)
//   /draft/nba/update.asp             the offered package: version, file, size and sha256 lines
//   /draft/nba/update.deb             the package itself (both 404 without --package); 503
//                                     with Retry-After while the download slots are taken
//   /draft/nba/update.deb.sig         the publisher's signature of it (404 without one)
//   /draft/nba/update.manifest        the publisher's manifest of it: name, version, size and
//                                     SHA-256 (404 without one)
//   /draft/nba/update.manifest.sig    the publisher's signature of the manifest
// Everything else is 404; only GET (and HEAD) is served.
class ProjectionService {
  public:
    explicit ProjectionService(ServiceConfig config);
    ~ProjectionService();
    ProjectionService(const ProjectionService&) = delete;
    ProjectionService& operator=(const ProjectionService&) = delete;

    // Loads the files, sets up TLS and binds the address. False with a reason.
    bool start(std::string& reason);
    // The port bound by start().
    int port() const { return m_port; }
    // Serves until stop(); call after a successful start(), from any thread.
    bool serve();
    // Ends serve(), also when it has not begun yet; safe from another thread.
    void stop();

  private:
    void handle(const HttpRequest& request, const std::string& address, const Reply& reply);
    void signIn(const HttpRequest& request, const std::string& address, const Reply& reply);
    HttpResponse page(const HttpRequest& request, const std::string& address);
    // `name`: the file name after /draft/nba/, one of the update's.
    HttpResponse packagePage(const std::string& name) const;

    ServiceConfig m_config;
    std::unique_ptr<ProjectionFile> m_projections;
    std::shared_ptr<const std::string> m_projectionText;
    std::unique_ptr<UserFile> m_users;
    std::optional<UpdatePackage> m_package;
    ClientAuthorisations m_authorisations;
    SignInThrottle m_throttle;
    std::mutex m_serverMutex;
    std::unique_ptr<HttpsServer> m_server;
    int m_port = 0;
    std::atomic<bool> m_stopRequested{false};
};

// "host:port" into its parts; IPv6 addresses in brackets. False when it is not of that form.
bool parseListenAddress(const std::string& text, std::string& host, int& port);

}  // namespace quorvane::service
