// SPDX-License-Identifier: MIT
#include "online/EspnRoom.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>

#include "online/ListedPicks.h"
#include "online/RoomFiles.h"

namespace quorvane {

std::string espnBaseUrl() {
    return roomBaseUrl("QUORVANE_ESPN_URL", kEspnBaseUrl);
}

bool isEspnLeagueId(const std::string& text) {
    return !text.empty() && text.size() <= 20 &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

EspnRoom::EspnRoom(UrlTransfer& transfer, std::string leagueId, int season,
                   std::optional<EspnCookies> cookies, const std::string& dataFolder,
                   std::string baseUrl)
    : m_transfer(transfer),
      m_link{RoomKind::Espn, std::move(leagueId), season},
      m_cookies(std::move(cookies)),
      m_baseUrl(std::move(baseUrl)),
      m_players(
          m_link.title(),
          dataFolder.empty() ? std::string()
                             : (std::filesystem::path(roomFilesFolder(dataFolder)) /
                                ("espn-players-" + std::to_string(season) + ".json"))
                                   .string(),
          [this] {
              const RequestAnswer answer =
                  askRoom(m_transfer, seasonUrl() + "/players?view=players_wl",
                          {R"(x-fantasy-filter: {"filterActive":{"value":true}})"});
              return RoomPlayerList::Fetched{
                  roomReplyOf(m_link.title(), answer,
                              "ESPN knows no players of the " + std::to_string(m_link.season) +
                                  " season. Please check the season."),
                  answer.answer.body};
          },
          &parseEspnPlayers) {}

std::string EspnRoom::seasonUrl() const {
    return m_baseUrl + "/games/fba/seasons/" + std::to_string(m_link.season);
}

RoomRead<RoomDraft> EspnRoom::readDraft() {
    RoomRead<RoomDraft> read;
    const std::string notFound = "ESPN knows no league " + m_link.id + " in the " +
                                 std::to_string(m_link.season) +
                                 " season. Please check the league id and the season.";
    if (!isEspnLeagueId(m_link.id)) {
        read.reply.info = "not a league id";
        read.reply.message = notFound;
        return read;
    }
    std::vector<std::string> headers;
    if (m_cookies) {
        headers.push_back(m_cookies->header());
    }
    const RequestAnswer answer = askRoom(m_transfer,
                                         seasonUrl() + "/segments/0/leagues/" + m_link.id +
                                             "?view=mDraftDetail&view=mSettings&view=mTeam",
                                         std::move(headers));
    read.reply = roomReplyOf(m_link.title(), answer, notFound);
    if (answer.answer.failure == TransferFailure::None &&
        (answer.answer.status == 401 || answer.answer.status == 403)) {
        read.reply.message =
            m_link.title() +
            std::string(m_cookies ? " did not accept the cookies given. " : " is private. ") +
            "Reading it needs the espn_s2 and SWID cookies of a member of the league, from his "
            "browser (--cookies FILE, or the Follow window).";
    }
    if (read.reply.kind != RoomReply::Kind::Fresh) {
        return read;
    }
    ParsedAnswer<EspnDraft> parsed = parseEspnDraft(answer.answer.body);
    if (!parsed.value) {
        refuseAnswer(read.reply, m_link.title(), parsed.problem);
        return read;
    }
    RoomDraft& draft = parsed.value->draft;
    fillFromSlots(draft, m_link, parsed.value->slots);
    if (std::none_of(parsed.value->slots.begin(), parsed.value->slots.end(), isMadeSlot)) {
        draft.note = "ESPN has not published this draft's picks yet";
    }
    m_last = std::move(parsed.value);
    read.value = m_last->draft;
    return read;
}

RoomRead<std::vector<RoomPick>> EspnRoom::readPicks() {
    return picksOfSlots(m_last ? m_last->slots : std::vector<RoomPick>{}, m_players);
}

std::optional<std::vector<RoomTeam>> EspnRoom::readTeams(const RoomDraft& draft) {
    return namedTeams(draft);
}

}  // namespace quorvane
