// SPDX-License-Identifier: MIT
#include "night/NightRoutes.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "night/NightHost.h"

namespace quorvane {

namespace {

using nlohmann::json;

constexpr std::string_view kCookieName = "quorvane_night";

// The files a page may load once its code is known, with their types. Nothing else of the
// folder is served, whatever the request names.
const std::map<std::string, std::pair<std::string, std::string>, std::less<>> kPageFiles = {
    {"/", {"board.html", "text/html; charset=utf-8"}},
    {"/team", {"team.html", "text/html; charset=utf-8"}},
    {"/commissioner", {"team.html", "text/html; charset=utf-8"}},
    {"/night.css", {"night.css", "text/css; charset=utf-8"}},
    {"/night.js", {"night.js", "text/javascript; charset=utf-8"}},
    {"/board.js", {"board.js", "text/javascript; charset=utf-8"}},
    {"/team.js", {"team.js", "text/javascript; charset=utf-8"}},
};

const std::map<std::string, NightAction::Kind, std::less<>> kActions = {
    {"/api/pick", NightAction::Kind::Pick},
    {"/api/nominate", NightAction::Kind::Nominate},
    {"/api/bid", NightAction::Kind::Bid},
    {"/api/undo", NightAction::Kind::Undo},
    {"/api/pause", NightAction::Kind::Pause},
    {"/api/resume", NightAction::Kind::Resume},
    {"/api/close-lot", NightAction::Kind::CloseLot},
    {"/api/reset-clock", NightAction::Kind::ResetClock},
};

NightResponse jsonAnswer(int status, json body) {
    NightResponse response;
    response.status = status;
    response.body = body.dump(-1, ' ', false, json::error_handler_t::replace);
    return response;
}

NightResponse errorAnswer(int status, const std::string& message) {
    return jsonAnswer(status, {{"error", message}});
}

int statusOf(NightRefusal::Kind kind) {
    switch (kind) {
        case NightRefusal::Kind::Malformed:
            return 400;
        case NightRefusal::Kind::NotYours:
            return 403;
        case NightRefusal::Kind::MovedOn:
            return 409;
        case NightRefusal::Kind::AgainstRule:
            return 422;
        case NightRefusal::Kind::Failed:
            break;
    }
    return 500;
}

std::string pathOf(const std::string& target) {
    return target.substr(0, target.find('?'));
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// A whole number of the request: absent, or an integer within int. Text that reads as a number
// is no number: a script that sends "12" has a fault worth telling.
bool readWhole(const json& body, const char* name, std::optional<int>& value,
               std::string& problem) {
    const auto found = body.find(name);
    if (found == body.end() || found->is_null()) {
        return true;
    }
    if (!found->is_number_integer() || *found < INT_MIN || *found > INT_MAX) {
        problem = std::string("\"") + name + "\" must be a whole number";
        return false;
    }
    value = found->get<int>();
    return true;
}

std::optional<NightAction> readAction(NightAction::Kind kind, const std::string& text,
                                      std::string& problem) {
    NightAction action;
    action.kind = kind;
    if (trimmed(text).empty()) {
        return action;
    }
    const json body = json::parse(text, nullptr, false);
    if (body.is_discarded() || !body.is_object()) {
        problem = "The request must be a JSON object";
        return std::nullopt;
    }
    std::optional<int> player;
    std::optional<int> amount;
    if (!readWhole(body, "player", player, problem) ||
        !readWhole(body, "amount", amount, problem) ||
        !readWhole(body, "team", action.team, problem) ||
        !readWhole(body, "pick", action.pick, problem)) {
        return std::nullopt;
    }
    const bool needsPlayer = kind == NightAction::Kind::Pick ||
                             kind == NightAction::Kind::Nominate || kind == NightAction::Kind::Bid;
    const bool needsAmount = kind == NightAction::Kind::Nominate || kind == NightAction::Kind::Bid;
    if ((needsPlayer && !player) || (needsAmount && !amount)) {
        problem = needsAmount ? "Give \"player\" and \"amount\"" : "Give \"player\"";
        return std::nullopt;
    }
    action.player = player.value_or(0);
    action.amount = amount.value_or(0);
    return action;
}

std::string cookieValue(const std::string& cookies) {
    std::size_t at = 0;
    while (at < cookies.size()) {
        const std::size_t end = std::min(cookies.find(';', at), cookies.size());
        const std::string pair = trimmed(std::string_view(cookies).substr(at, end - at));
        if (pair.size() > kCookieName.size() &&
            pair.compare(0, kCookieName.size(), kCookieName) == 0 &&
            pair[kCookieName.size()] == '=') {
            return pair.substr(kCookieName.size() + 1);
        }
        at = end + 1;
    }
    return {};
}

}  // namespace

struct NightRoutes::Identified {
    std::optional<int> holder;
    NightResponse refusal;
};

NightRoutes::NightRoutes(NightHost& host, std::string pagesFolder)
    : m_host(host), m_pagesFolder(std::move(pagesFolder)) {}

std::string NightRoutes::codeOf(const NightRequest& request) {
    constexpr std::string_view bearer = "Bearer ";
    if (request.authorization.size() > bearer.size() &&
        request.authorization.compare(0, bearer.size(), bearer) == 0) {
        return trimmed(std::string_view(request.authorization).substr(bearer.size()));
    }
    return cookieValue(request.cookie);
}

NightRoutes::Identified NightRoutes::identify(const NightRequest& request, std::int64_t nowMs) {
    Identified found;
    const std::string code = codeOf(request);
    if (code.empty()) {
        found.refusal = errorAnswer(401, "Join with a code first");
        return found;
    }
    if (const std::int64_t wait = m_throttle.waitOf(request.address, nowMs); wait > 0) {
        found.refusal = errorAnswer(429, "Too many wrong codes: wait a moment");
        found.refusal.headers.emplace_back("Retry-After", std::to_string((wait + 999) / 1000));
        return found;
    }
    const auto caller = m_host.callerOf(code);
    if (!caller) {
        m_throttle.failed(request.address, nowMs);
        found.refusal = errorAnswer(401, "Unknown code");
        return found;
    }
    m_throttle.succeeded(request.address);
    found.holder = caller->teamid;
    return found;
}

NightResponse NightRoutes::answer(const NightRequest& request, std::int64_t nowMs) {
    const std::string path = pathOf(request.target);
    if (request.method == "GET" && path == "/join") {
        return page("join.html");
    }
    if (request.method == "POST" && path == "/api/join") {
        return join(request, nowMs);
    }
    const bool api = path.rfind("/api/", 0) == 0;
    if (!api && request.method == "GET" && codeOf(request).empty()) {
        // A screen opened without joining is shown how to join, and nothing of the draft.
        return page("join.html");
    }
    Identified caller = identify(request, nowMs);
    if (!caller.holder) {
        if (!api && request.method == "GET" && caller.refusal.status == 401) {
            NightResponse joinPage = page("join.html");
            joinPage.headers.emplace_back(
                "Set-Cookie", std::string(kCookieName) + "=; Max-Age=0; Path=/; SameSite=Strict");
            return joinPage;
        }
        return caller.refusal;
    }
    const int holder = *caller.holder;
    if (request.method == "GET") {
        if (path == "/api/state") {
            NightResponse response;
            response.body = m_host.stateJson(nowMs);
            return response;
        }
        if (path == "/api/players") {
            NightResponse response;
            response.body = m_host.playersJson();
            return response;
        }
        if (path == "/api/me") {
            return jsonAnswer(200, {{"team", holder == 0 ? json(nullptr) : json(holder)},
                                    {"commissioner", holder == 0}});
        }
        if (path == "/commissioner" && holder != 0) {
            return errorAnswer(403, "Only the commissioner may open this page");
        }
        if (kPageFiles.find(path) != kPageFiles.end()) {
            return page(kPageFiles.find(path)->second.first);
        }
        return errorAnswer(404, "Nothing here");
    }
    if (request.method == "POST" && kActions.find(path) != kActions.end()) {
        return act(request, holder, nowMs);
    }
    return errorAnswer(api ? 404 : 405, "Nothing here");
}

NightResponse NightRoutes::join(const NightRequest& request, std::int64_t nowMs) {
    const json body = json::parse(request.body, nullptr, false);
    if (body.is_discarded() || !body.is_object() || !body.contains("code") ||
        !body["code"].is_string()) {
        return errorAnswer(400, "Give \"code\"");
    }
    NightRequest withCode = request;
    withCode.authorization = "Bearer " + body["code"].get<std::string>();
    Identified caller = identify(withCode, nowMs);
    if (!caller.holder) {
        return caller.refusal;
    }
    NightResponse response =
        jsonAnswer(200, {{"team", *caller.holder == 0 ? json(nullptr) : json(*caller.holder)},
                         {"page", *caller.holder == 0 ? "/commissioner" : "/team"}});
    response.headers.emplace_back("Set-Cookie", std::string(kCookieName) + "=" + codeOf(withCode) +
                                                    "; Path=/; HttpOnly; SameSite=Strict");
    return response;
}

NightResponse NightRoutes::act(const NightRequest& request, int holder, std::int64_t nowMs) {
    // A page of another site cannot make a phone act: it could send neither this type nor,
    // from elsewhere, the same origin.
    if (request.contentType.rfind("application/json", 0) != 0 && !trimmed(request.body).empty()) {
        return errorAnswer(400, "Send the request as application/json");
    }
    if (!request.origin.empty() && request.origin != "http://" + request.host &&
        request.origin != "https://" + request.host) {
        return errorAnswer(403, "Requests come from the draft's own pages");
    }
    std::string problem;
    const auto action =
        readAction(kActions.find(pathOf(request.target))->second, request.body, problem);
    if (!action) {
        return errorAnswer(400, problem);
    }
    if (const NightVerdict refusal = m_host.act(NightCaller{holder}, *action, nowMs)) {
        return errorAnswer(statusOf(refusal->kind), refusal->message);
    }
    return jsonAnswer(200, {{"ok", true}, {"version", m_host.version()}});
}

std::optional<NightResponse> NightRoutes::refuseUpgrade(const NightRequest& request,
                                                        std::int64_t nowMs) {
    Identified caller = identify(request, nowMs);
    if (caller.holder) {
        return std::nullopt;
    }
    return caller.refusal;
}

NightResponse NightRoutes::page(const std::string& file) const {
    std::ifstream in(std::filesystem::path(m_pagesFolder) / file, std::ios::binary);
    if (!in) {
        return errorAnswer(500, "The pages of the draft night are missing: " + file);
    }
    std::ostringstream text;
    text << in.rdbuf();
    NightResponse response;
    response.body = text.str();
    for (const auto& [path, entry] : kPageFiles) {
        if (entry.first == file) {
            response.contentType = entry.second;
        }
    }
    if (file == "join.html") {
        // The join page stands alone, so that nothing else is served without a code.
        response.contentType = "text/html; charset=utf-8";
        response.headers.emplace_back("Content-Security-Policy",
                                      "default-src 'self'; script-src 'unsafe-inline'; "
                                      "style-src 'unsafe-inline'; frame-ancestors 'none'");
    }
    return response;
}

}  // namespace quorvane
