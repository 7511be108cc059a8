// SPDX-License-Identifier: MIT
#include "service/ProjectionService.h"

#include <httplib.h>
#include <signal.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "service/PlayerPage.h"

namespace quorvane::service {

namespace {

constexpr const char* kText = "text/plain; charset=utf-8";
constexpr const char* kHtml = "text/html; charset=utf-8";

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

void answer(httplib::Response& response, int status, const std::string& text) {
    response.status = status;
    response.set_content(text, kText);
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
    : m_config(std::move(config)), m_authorisations(m_config.authorisationLifetime) {}

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
    auto users = UserFile::load(m_config.usersFile);
    if (!users) {
        reason = "cannot read the users file " + m_config.usersFile;
        return false;
    }
    m_users = std::make_unique<UserFile>(std::move(*users));

    m_server =
        std::make_unique<httplib::SSLServer>(m_config.certFile.c_str(), m_config.keyFile.c_str());
    if (!m_server->is_valid()) {
        reason =
            "cannot use the certificate " + m_config.certFile + " with the key " + m_config.keyFile;
        return false;
    }
    const auto seconds = static_cast<time_t>(m_config.ioTimeout.count());
    m_server->set_read_timeout(seconds, 0);
    m_server->set_write_timeout(seconds, 0);
    m_server->set_keep_alive_timeout(seconds);
    m_server->set_keep_alive_max_count(20);
    m_server->set_payload_max_length(m_config.requestBodyLimit);
    addRoutes();

    if (m_config.port == 0) {
        m_port = m_server->bind_to_any_port(m_config.host);
        if (m_port <= 0) {
            reason = "cannot listen on " + m_config.host;
            return false;
        }
    } else {
        if (!m_server->bind_to_port(m_config.host, m_config.port)) {
            reason = "cannot listen on " + m_config.host + ":" + std::to_string(m_config.port);
            return false;
        }
        m_port = m_config.port;
    }
    return true;
}

bool ProjectionService::serve() {
    m_serving = true;
    if (m_stopRequested || !m_server) {
        m_serving = false;
        return true;
    }
    const bool served = m_server->listen_after_bind();
    m_serving = false;
    return served;
}

void ProjectionService::stop() {
    m_stopRequested = true;
    if (!m_server) {
        return;
    }
    // The server ignores a stop that comes before it runs; serve() has either seen the request
    // above or is about to run, so wait (briefly) until it does.
    for (int i = 0; i < 1000 && m_serving && !m_server->is_running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    m_server->stop();
}

void ProjectionService::addRoutes() {
    httplib::SSLServer& server = *m_server;

    server.Get("/draft/nba/version.asp", [this](const httplib::Request&, httplib::Response& res) {
        answer(res, 200, m_config.version);
    });

    server.Get("/draft/nfl/user.asp", [this](const httplib::Request& req, httplib::Response& res) {
        if (!req.has_param("u") || !req.has_param("p")) {
            m_authorisations.revoke(req.remote_addr);
            answer(res, 400, "Bad Request: u and p are required");
            return;
        }
        if (!m_users->verify(req.get_param_value("u"), req.get_param_value("p"))) {
            m_authorisations.revoke(req.remote_addr);
            answer(res, 403, "Invalid user name or password");
            return;
        }
        m_authorisations.authorise(req.remote_addr);
        answer(res, 200, "OK");
    });

    server.Get("/draft/nba/da_projections.csv",
               [this](const httplib::Request& req, httplib::Response& res) {
                   if (!m_authorisations.isAuthorised(req.remote_addr)) {
                       answer(res, 403, "Not authorised: send the account request first");
                       return;
                   }
                   res.status = 200;
                   res.set_content(m_projections->text(), "text/csv; charset=utf-8");
               });

    server.Get("/draft/nba/da_player.asp",
               [this](const httplib::Request& req, httplib::Response& res) {
                   const auto id = playerId(req.get_param_value("id"));
                   if (!id || req.get_param_value_count("id") != 1) {
                       answer(res, 400, "Bad Request: id must be a player id from 1 to 19999");
                       return;
                   }
                   const auto seasons = m_projections->seasonsOf(*id);
                   if (seasons.empty()) {
                       answer(res, 404, "No player with this id");
                       return;
                   }
                   res.status = 200;
                   res.set_content(playerPageHtml(*id, seasons), kHtml);
               });

    const std::filesystem::path helpFolder = m_config.helpFolder;
    const auto servePage = [](const std::filesystem::path& file, httplib::Response& res) {
        std::string page;
        if (!readFile(file, page)) {
            answer(res, 404, "Page not found");
            return;
        }
        res.status = 200;
        res.set_content(page, file.extension() == ".css" ? "text/css; charset=utf-8" : kHtml);
    };
    for (const auto& route : kHelpRoutes) {
        server.Get(route.path,
                   [servePage, file = helpFolder / route.file](
                       const httplib::Request&, httplib::Response& res) { servePage(file, res); });
    }
    // The pages link each other and their style sheet by file name; the pattern admits no
    // path separators, so nothing outside the help folder can be reached.
    server.Get(R"(/draft/nba/([a-z_]+\.(?:htm|css)))",
               [servePage, helpFolder](const httplib::Request& req, httplib::Response& res) {
                   servePage(helpFolder / req.matches[1].str(), res);
               });

    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty()) {
            res.set_content("Error " + std::to_string(res.status), kText);
        }
    });
    server.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
            answer(res, 500, "Internal Server Error");
        });
}

}  // namespace quorvane::service
