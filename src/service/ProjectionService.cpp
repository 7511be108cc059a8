// SPDX-License-Identifier: MIT
#include "service/ProjectionService.h"

#include <signal.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "service/PlayerPage.h"

namespace quorvane::service {

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kPagePrefix = "/draft/nba/";
constexpr std::string_view kUpdatePaths[] = {"update.asp", "update.deb", "update.deb.sig",
                                             "update.manifest", "update.manifest.sig"};
// Sign-ins waiting for a password check; past this the service is busy rather than slow.
constexpr std::size_t kQueuedSignInLimit = 64;

struct HelpRoute {
    const char* path;
    const char* file;
};
constexpr HelpRoute kHelpRoutes[] = {
    {"/draft/nba/da_index.asp", "da_index.htm"},
    {"/draft/nba/help_main.asp", "help_main.htm"},
    {"/draft/nba/help_research.asp", "help_research.htm"},
    {"/draft/nba/help_standings.asp", "help_standings.htm"},
    {"/draft/nba/help_targets.asp", "help_targets.htm"},
};

std::optional<int> playerId(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > 19999) {
        return std::nullopt;
    }
    return value;
}

bool readFile(const std::filesystem::path& path, std::string& contents) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    contents = text.str();
    return true;
}

// The pages link each other and their style sheet by file name; a name of letters and
// underscores admits no path separators, so nothing outside the help folder can be reached.
bool isHelpFileName(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return false;
    }
    const auto stem = name.substr(0, dot);
    const auto extension = name.substr(dot);
    return (extension == ".htm" || extension == ".css") &&
           std::all_of(stem.begin(), stem.end(),
                       [](char c) { return c == '_' || (c >= 'a' && c <= 'z'); });
}

HttpResponse helpPage(const std::filesystem::path& file) {
    std::string page;
    if (!readFile(file, page)) {
        return HttpResponse::text(404, "Page not found");
    }
    HttpResponse response = HttpResponse::text(200, std::move(page));
    response.contentType = file.extension() == ".css" ? "text/css; charset=utf-8" : kHtml;
    return response;
}

HttpResponse withRetryAfter(HttpResponse response, std::chrono::seconds wait) {
    response.headers.emplace_back("Retry-After", std::to_string(wait.count()));
    return response;
}

}  // namespace

bool parseListenAddress(const std::string& text, std::string& host, int& port) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    host = text.substr(0, colon);
    if (host.front() == '[') {
        if (host.size() < 3 || host.back() != ']') {
            return false;
        }
        host = host.substr(1, host.size() - 2);
    }
    const std::string portText = text.substr(colon + 1);
    const auto [end, error] =
        std::from_chars(portText.data(), portText.data() + portText.size(), port);
    return !portText.empty() && error == std::errc() && end == portText.data() + portText.size() &&
           port >= 0 && port <= 65535;
}

ProjectionService::ProjectionService(ServiceConfig config)
    : m_config(std::move(config)),
      m_authorisations(m_config.authorisationLifetime, m_config.clock),
      m_throttle(m_config.signInThrottle, m_config.clock) {}

ProjectionService::~ProjectionService() {
    stop();
}

bool ProjectionService::start(std::string& reason) {
    // A client that hangs up while its answer is written would otherwise end the service with
    // SIGPIPE; the write simply fails.
    signal(SIGPIPE, SIG_IGN);
    if (m_config.version.empty()) {
        reason = "no version number given";
        return false;
    }
    auto projections = ProjectionFile::load(m_config.projectionsFile, reason);
    if (!projections) {
        return false;
    }
    m_projections = std::make_unique<ProjectionFile>(std::move(*projections));
    m_projectionText = std::make_shared<const std::string>(m_projections->text());
    auto users = UserFile::load(m_config.usersFile);
    if (!users) {
        reason = "cannot read the users file " + m_config.usersFile;
        return false;
    }
    m_users = std::make_unique<UserFile>(std::move(*users));
    if (!m_config.packageSignatureFile.empty() && m_config.packageFile.empty()) {
        reason = "--package-signature needs the --package it signs";
        return false;
    }
    if (!m_config.packageManifestFile.empty() && m_config.packageFile.empty()) {
        reason = "--package-manifest needs the --package it describes";
        return false;
    }
    if (!m_config.packageFile.empty()) {
        m_package = UpdatePackage::load(m_config.packageFile, reason);
        if (!m_package || !m_package->announceChecksum(m_config.packageSha256, reason) ||
            !m_package->loadSignature(m_config.packageSignatureFile, reason) ||
            !m_package->loadManifest(m_config.packageManifestFile, reason)) {
            return false;
        }
    }

    ServerSettings settings;
    settings.certFile = m_config.certFile;
    settings.keyFile = m_config.keyFile;
    settings.deadline = m_config.ioTimeout;
    settings.headLimit = m_config.requestHeadLimit;
    settings.bodyLimit = m_config.requestBodyLimit;
    settings.connectionLimit = m_config.connectionLimit;
    settings.downloadLimit = m_config.downloadLimit;
    settings.slowWorkThreads = std::clamp(std::thread::hardware_concurrency(), 1U, 4U);
    settings.slowWorkQueue = kQueuedSignInLimit;
    auto server = std::make_unique<HttpsServer>(
        settings, [this](const HttpRequest& request, const std::string& address, Reply reply) {
            handle(request, address, reply);
        });
    if (!server->listen(m_config.host, m_config.port, reason)) {
        return false;
    }
    m_port = server->port();
    const std::lock_guard lock(m_serverMutex);
    m_server = std::move(server);
    return true;
}

bool ProjectionService::serve() {
    HttpsServer* server = nullptr;
    {
        const std::lock_guard lock(m_serverMutex);
        server = m_server.get();
    }
    if (m_stopRequested || !server) {
        return true;
    }
    return server->run();
}

void ProjectionService::stop() {
    m_stopRequested = true;
    const std::lock_guard lock(m_serverMutex);
    if (m_server) {
        m_server->stop();
    }
}

void ProjectionService::handle(const HttpRequest& request, const std::string& address,
                               const Reply& reply) {
    if (request.method != "GET" && request.method != "HEAD") {
        reply(HttpResponse::text(404, "Error 404"));
    } else if (request.path == "/draft/nfl/user.asp") {
        signIn(request, address, reply);
    } else {
        reply(page(request, address));
    }
}

void ProjectionService::signIn(const HttpRequest& request, const std::string& address,
                               const Reply& reply) {
    const auto name = request.param("u");
    const auto password = request.param("p");
    if (!name || !password) {
        m_authorisations.revoke(address);
        reply(HttpResponse::text(400, "Bad Request: u and p are required"));
        return;
    }
    const auto admission = m_throttle.admit(*name, address);
    if (!admission.admitted) {
        m_authorisations.revoke(address);
        reply(withRetryAfter(
            HttpResponse::text(429, "Too many failed sign-ins: try again in " +
                                        std::to_string(admission.retryAfter.count()) + " seconds"),
            admission.retryAfter));
        return;
    }
    // The password hash takes a good part of a second's work: it runs beside the connections.
    const bool queued =
        m_server->runBeside([this, name = *name, password = *password, address, reply] {
            const bool known = m_users->verify(name, password);
            m_throttle.settle(
                name, address,
                known ? SignInThrottle::Outcome::Succeeded : SignInThrottle::Outcome::Failed);
            if (known) {
                m_authorisations.authorise(address);
                reply(HttpResponse::text(200, "OK"));
            } else {
                m_authorisations.revoke(address);
                reply(HttpResponse::text(403, "Invalid user name or password"));
            }
        });
    if (!queued) {
        m_throttle.settle(*name, address, SignInThrottle::Outcome::Unchecked);
        reply(withRetryAfter(HttpResponse::text(503, "Busy: try again in a second"),
                             std::chrono::seconds(1)));
    }
}

HttpResponse ProjectionService::page(const HttpRequest& request, const std::string& address) {
    const std::string& path = request.path;
    if (path == "/draft/nba/version.asp") {
        return HttpResponse::text(200, m_config.version);
    }
    if (path.starts_with(kPagePrefix) &&
        std::find(std::begin(kUpdatePaths), std::end(kUpdatePaths),
                  path.substr(std::strlen(kPagePrefix))) != std::end(kUpdatePaths)) {
        return packagePage(path.substr(std::strlen(kPagePrefix)));
    }
    if (path == "/draft/nba/da_projections.csv") {
        if (!m_authorisations.isAuthorised(address)) {
            return HttpResponse::text(403, "Not authorised: send the account request first");
        }
        return HttpResponse::shared(m_projectionText, "text/csv; charset=utf-8");
    }
    if (path == "/draft/nba/da_player.asp") {
        const auto id = playerId(request.param("id").value_or(""));
        if (!id || request.paramCount("id") != 1) {
            return HttpResponse::text(400, "Bad Request: id must be a player id from 1 to 19999");
        }
        const auto seasons = m_projections->seasonsOf(*id);
        if (seasons.empty()) {
            return HttpResponse::text(404, "No player with this id");
        }
        HttpResponse response = HttpResponse::text(200, playerPageHtml(*id, seasons));
        response.contentType = kHtml;
        return response;
    }
    const std::filesystem::path helpFolder = m_config.helpFolder;
    for (const auto& route : kHelpRoutes) {
        if (path == route.path) {
            return helpPage(helpFolder / route.file);
        }
    }
    if (path.starts_with(kPagePrefix) && isHelpFileName(path.substr(std::strlen(kPagePrefix)))) {
        return helpPage(helpFolder / path.substr(std::strlen(kPagePrefix)));
    }
    return HttpResponse::text(404, "Error 404");
}

HttpResponse ProjectionService::packagePage(const std::string& name) const {
    if (!m_package) {
        return HttpResponse::text(404, "No update package is offered");
    }
    if (name == "update.asp") {
        return HttpResponse::text(200, m_package->offerText(m_config.version));
    }
    if (name == "update.deb") {
        HttpResponse response =
            HttpResponse::shared(m_package->bytes, "application/vnd.debian.binary-package");
        response.download = true;
        return response;
    }
    if (name == "update.deb.sig") {
        if (!m_package->signature) {
            return HttpResponse::text(404, "No signature is offered for the update package");
        }
        return HttpResponse::shared(m_package->signature, "application/octet-stream");
    }
    if (!m_package->manifest) {
        return HttpResponse::text(404, "No signed manifest is offered for the update package");
    }
    return name == "update.manifest"
               ? HttpResponse::shared(m_package->manifest, "text/plain; charset=utf-8")
               : HttpResponse::shared(m_package->manifestSignature, "application/octet-stream");
}

}  // namespace quorvane::service
