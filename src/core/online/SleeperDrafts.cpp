// SPDX-License-Identifier: MIT
#include "online/SleeperDrafts.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>
#include <set>

#include "online/AnswerJson.h"

namespace quorvane {

namespace {

// A user of very many leagues still gets his list in a few seconds; beyond this the room is
// not answering like a league service.
constexpr std::size_t kMostLeagues = 60;

class DraftLister {
  public:
    DraftLister(UrlTransfer& transfer, std::string baseUrl, RoomMilliseconds now)
        : m_transfer(transfer), m_baseUrl(std::move(baseUrl)), m_now(std::move(now)) {}

    SleeperDraftList list(const std::string& userName, int season) {
        const std::string what = "user " + userName;
        const auto user = get("/user/" + userName, what);
        if (!user) {
            return m_list;
        }
        const std::string userId = textOf(memberOf(*user, "user_id"));
        if (!isRoomDraftId(userId)) {
            m_list.message = "Sleeper knows no user " + userName + ". Please check the name.";
            return m_list;
        }
        const std::string year = std::to_string(season);
        // The user's own drafts list his mock drafts too; a room that does not answer it still
        // has the leagues'.
        if (const auto own = get("/user/" + userId + "/drafts/nba/" + year, what, true)) {
            addDrafts(*own);
        }
        const auto leagues = get("/user/" + userId + "/leagues/nba/" + year, what);
        if (!leagues) {
            return m_list;
        }
        std::size_t asked = 0;
        for (const AnswerJson& league : asArray(*leagues)) {
            const std::string leagueId = textOf(memberOf(league, "league_id"));
            if (!isRoomDraftId(leagueId) || ++asked > kMostLeagues) {
                continue;
            }
            if (const std::string name = textOf(memberOf(league, "name"));
                roomTextProblem(name).empty()) {
                m_leagueNames[leagueId] = name;
            }
            const auto drafts = get("/league/" + leagueId + "/drafts", "league " + leagueId);
            if (!drafts) {
                return m_list;
            }
            addDrafts(*drafts);
        }
        for (SleeperDraftEntry& entry : m_list.drafts) {
            if (const auto name = m_leagueNames.find(entry.league);
                name != m_leagueNames.end() && !name->second.empty()) {
                entry.league = name->second;
            }
        }
        return m_list;
    }

  private:
    // The answer as JSON; nullopt after setting the message (unless `quiet` for a refusal).
    std::optional<AnswerJson> get(const std::string& path, const std::string& what,
                                  bool quiet = false) {
        const RequestAnswer answer =
            askRoom(m_transfer, m_baseUrl + path + "?" + freshQuery(m_now, m_lastQuery));
        const std::string unknown = "Sleeper knows no " + what + ". Please check the name.";
        RoomReply reply = roomReplyOf("Sleeper", answer, unknown);
        if (reply.kind == RoomReply::Kind::Fresh) {
            auto json = parseAnswerJson(answer.answer.body);
            if (json && !json->is_null()) {
                return json;
            }
            // An unknown user is answered with null.
            reply.message =
                json ? unknown : "Sleeper sent an answer about " + what + " that is not JSON.";
        }
        if (!quiet && m_list.message.empty()) {
            m_list.message = reply.message;
        }
        return std::nullopt;
    }

    void addDrafts(const AnswerJson& drafts) {
        for (const AnswerJson& draft : asArray(drafts)) {
            SleeperDraftEntry entry{
                textOf(memberOf(draft, "draft_id")), textOf(memberOf(draft, "league_id")),
                textOf(memberOf(draft, "type")), textOf(memberOf(draft, "status"))};
            if (!isRoomDraftId(entry.draftId) || !m_seen.insert(entry.draftId).second) {
                continue;
            }
            if (!isRoomDraftId(entry.league)) {
                entry.league = "mock draft";
            }
            for (std::string* text : {&entry.kind, &entry.status}) {
                if (!roomTextProblem(*text).empty()) {
                    text->clear();
                }
            }
            m_list.drafts.push_back(std::move(entry));
        }
    }

    UrlTransfer& m_transfer;
    std::string m_baseUrl;
    RoomMilliseconds m_now;
    std::int64_t m_lastQuery = 0;
    SleeperDraftList m_list;
    std::set<std::string> m_seen;
    std::map<std::string, std::string> m_leagueNames;
};

}  // namespace

bool isSleeperUserName(const std::string& text) {
    return !text.empty() && text.size() <= 40 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) {
               return std::isalnum(c) != 0 || c == '_' || c == '.' || c == '-';
           });
}

int currentSleeperSeason() {
    const auto today = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    const int year = static_cast<int>(today.year());
    return today.month() >= std::chrono::July ? year : year - 1;
}

SleeperDraftList listSleeperDrafts(UrlTransfer& transfer, const std::string& userName, int season,
                                   const std::string& baseUrl, RoomMilliseconds now) {
    if (!isSleeperUserName(userName)) {
        return {{}, "Please type the Sleeper user name."};
    }
    return DraftLister(transfer, baseUrl, std::move(now)).list(userName, season);
}

}  // namespace quorvane
