// SPDX-License-Identifier: MIT
#include "room/CustomPlayerWriter.h"

#include <chrono>
#include <ctime>
#include <string>
#include <utility>
#include <variant>

#include <fmt/format.h>

#include "model/DraftModelLoader.h"
#include "model/ModelChanges.h"
#include "room/CommonRefusals.h"
#include "room/WriteFailures.h"
#include "store/DraftPlayerRepository.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

constexpr std::string_view kCountLine = " 12002 error: could not access database";
constexpr std::string_view kWriteLine = " 12003 error: could not access database";

std::string nowText() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", local.tm_year + 1900,
                       local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

Message silently() {
    return Message{};
}

}  // namespace

Decision decideAddPlayer(const AddPlayerRequest& request, std::int64_t namesakes) {
    const CustomPlayerRuling ruling = ruleCustomPlayer(request.player);
    if (const auto* refusal = std::get_if<RuleMessage>(&ruling)) {
        return refusedWith(*refusal);
    }
    if (const auto* refusal = std::get_if<Message>(&ruling)) {
        return refusedWith(*refusal);
    }
    if (std::holds_alternative<SilentRefusal>(ruling)) {
        return refusedWith(silently());
    }
    if (const std::optional<RuleMessage> namesake = namesakeRefusal(namesakes)) {
        return refusedWith(*namesake);
    }
    return {};
}

Outcome<PlayerAdded> writeAddedPlayer(Connection& connection, DraftModel& model,
                                      const AddPlayerRequest& request) {
    TransactionGuard transaction(connection);
    const auto failed = [&](std::string_view line) {
        transaction.rollback();
        return databaseFailure(connection, line);
    };
    // The names and the position are refused before the file is asked about namesakes.
    if (const Decision early = decideAddPlayer(request, 0); early.refusal) {
        transaction.rollback();
        return refusedBy(*early.refusal);
    }
    if (!transaction.begun()) {
        return failed(kWriteLine);
    }
    const std::optional<std::int64_t> namesakes =
        countPlayersNamed(connection, request.player.firstname, request.player.lastname);
    if (!namesakes) {
        return failed(kCountLine);
    }
    const Decision decision = decideAddPlayer(request, *namesakes);
    if (decision.refusal) {
        transaction.rollback();
        return refusedBy(*decision.refusal);
    }
    CustomPlayerRow row = std::get<CustomPlayerRow>(ruleCustomPlayer(request.player));
    const std::optional<int> last = readHighestCustomPlayerid(connection);
    if (!last) {
        return failed(kWriteLine);
    }
    row.playerid = nextCustomPlayerid(*last);
    row.dateAdded = nowText();
    if (!insertCustomPlayer(connection, row, {request.season, request.season - 1})) {
        return failed(kWriteLine);
    }
    // The rows as the file now holds them, defaults and all, for a model that holds a season.
    std::optional<std::vector<ModelPlayer>> added;
    if (model.projectionYear != 0 && !(added = readModelPlayerRows(connection, row.playerid))) {
        return failed(kWriteLine);
    }
    if (!transaction.commit()) {
        return failed(kWriteLine);
    }
    if (added) {
        applyAddedPlayer(model, std::move(*added));
    }
    return PlayerAdded{row.playerid};
}

}  // namespace quorvane
