// SPDX-License-Identifier: MIT
#include "online/FantraxRoom.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>

#include "online/ListedPicks.h"
#include "online/RoomFiles.h"

namespace quorvane {

std::string fantraxBaseUrl() {
    return roomBaseUrl("QUORVANE_FANTRAX_URL", kFantraxBaseUrl);
}

bool isFantraxLeagueId(const std::string& text) {
    return !text.empty() && text.size() <= 40 &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

FantraxRoom::FantraxRoom(UrlTransfer& transfer, std::string leagueId, const std::string& dataFolder,
                         std::string baseUrl)
    : m_transfer(transfer),
      m_link{RoomKind::Fantrax, std::move(leagueId), 0},
      m_baseUrl(std::move(baseUrl)),
      m_players(
          m_link.title(),
          dataFolder.empty()
              ? std::string()
              : (std::filesystem::path(roomFilesFolder(dataFolder)) / "fantrax-players.json")
                    .string(),
          [this] {
              RoomPlayerList::Fetched fetched;
              fetched.reply = ask("getPlayerIds?sport=NBA", fetched.text);
              return fetched;
          },
          &parseFantraxPlayers) {}

RoomReply FantraxRoom::ask(const std::string& call, std::string& body) {
    const RequestAnswer answer = askRoom(m_transfer, m_baseUrl + "/" + call);
    RoomReply reply =
        roomReplyOf(m_link.title(), answer,
                    "Fantrax knows no league " + m_link.id + ". Please check the league id.");
    if (reply.kind == RoomReply::Kind::Fresh) {
        if (const std::string error = fantraxErrorOf(answer.answer.body); !error.empty()) {
            reply.kind = RoomReply::Kind::Refused;
            reply.info = "Fantrax error: " + error + " (" + reply.info + ")";
            reply.message = m_link.title() + " refused the request: " + error + ".";
        }
    }
    body = answer.answer.body;
    return reply;
}

RoomRead<RoomDraft> FantraxRoom::readDraft() {
    RoomRead<RoomDraft> read;
    if (!isFantraxLeagueId(m_link.id)) {
        read.reply.info = "not a league id";
        read.reply.message =
            "Fantrax knows no league " + m_link.id + ". Please check the league id.";
        return read;
    }
    std::string body;
    if (!m_league) {
        read.reply = ask("getLeagueInfo?leagueId=" + m_link.id, body);
        if (read.reply.kind != RoomReply::Kind::Fresh) {
            return read;
        }
        ParsedAnswer<FantraxLeague> league = parseFantraxLeague(body);
        if (!league.value) {
            refuseAnswer(read.reply, m_link.title(), league.problem);
            return read;
        }
        m_league = std::move(league.value);
    }
    read.reply = ask("getDraftResults?leagueId=" + m_link.id, body);
    if (read.reply.kind != RoomReply::Kind::Fresh) {
        return read;
    }
    ParsedAnswer<FantraxDraft> parsed = parseFantraxDraft(body, *m_league, m_numbers);
    if (!parsed.value) {
        refuseAnswer(read.reply, m_link.title(), parsed.problem);
        return read;
    }
    RoomDraft& draft = parsed.value->draft;
    fillFromSlots(draft, m_link, parsed.value->slots);
    if (draft.auction()) {
        draft.givesPrices = false;
        draft.note = "Fantrax sends no auction prices: picks are recorded without one";
    }
    m_last = std::move(parsed.value);
    read.value = m_last->draft;
    return read;
}

RoomRead<std::vector<RoomPick>> FantraxRoom::readPicks() {
    return picksOfSlots(m_last ? m_last->slots : std::vector<RoomPick>{}, m_players);
}

std::optional<std::vector<RoomTeam>> FantraxRoom::readTeams(const RoomDraft& draft) {
    return namedTeams(draft);
}

}  // namespace quorvane
