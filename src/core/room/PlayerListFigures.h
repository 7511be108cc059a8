// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "model/DraftModel.h"
#include "room/ListOrder.h"

namespace quorvane {

// Figures the player lists show that are not stored as such.

// "Last, First"; empty when either name is missing.
std::string listName(const ModelPlayer& player);

// A text as a sort value; a missing one sorts first.
SortValue textSortValue(const std::optional<std::string>& text);
SortValue textSortValue(const std::string& text, bool missing);

// Every list's last sort terms: last name, then first name, ignoring case.
inline constexpr std::array<SortTerm, 2> kNameTerms = {SortTerm{false, true},
                                                       SortTerm{false, true}};
void pushNameKeys(std::vector<SortValue>& keys, const ModelPlayer& player);

// The whole years of a player born on the date of birth on the given day: one more on each
// birthday, not at New Year (born 1984-12-30, he is 41 on 2026-12-07). Born on 29 February, he
// is a year older on 1 March of a common year. None without a date of birth that reads as one,
// or for a day before it.
std::optional<int> ageOn(const std::optional<std::string>& dob, std::chrono::year_month_day day);

// Today's date where the program runs, which the shown ages count to.
std::chrono::year_month_day localToday();

// "2026-12-07".
std::string isoDate(std::chrono::year_month_day day);

// Fantasy points as the lists show and sort them: each ratio rounded to the decimals it is shown
// with before its weight multiplies it, the draft's categories summed in their order.
double shownFantasyPoints(const std::vector<ModelCategory>& categories, const StatLine& stats);

// A category's figure as its grid cell shows it: counts plainly, ratios with their decimals.
std::string categoryCellText(const CategoryDefinition& category, double figure);

// The ADP, AAV and "value rank minus ADP" of one row; each empty where there is no figure.
struct AdpFigures {
    std::optional<double> adp;
    std::optional<double> aav;
    std::optional<double> rankMinusAdp;
};

// The ADP columns' figures of the rows of any season: the projection season's means of the
// player, and his value rank less his ADP. The value rank is the draft's own rank (of the row
// shown; none while 0) or, in an auction, the place of his dollar value among the projection
// season's players, equal values sharing the better place.
class AdpColumnFigures {
  public:
    explicit AdpColumnFigures(const DraftModel& model);
    AdpFigures of(const ModelPlayer& shown) const;

  private:
    const DraftModel& m_model;
    std::vector<int> m_dollarRanks;  // by index of m_model.players
};

// The three cells: each figure with up to two decimals, an empty cell for none.
void appendAdpCells(std::vector<std::string>& cells, const AdpFigures& figures);

}  // namespace quorvane
