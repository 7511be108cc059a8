// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TestProgram.h"

namespace quorvane::test {

inline const std::string kHeader =
    "playerid,statindicator,yearofprojection,firstname,lastname,pos,team,dob,games,minutes,fta,"
    "ftm,fga,fgm,pt3a,pt3m,oreb,dreb,assists,steals,blocks,turnovers,doubledouble,tripledouble,"
    "revisiondate,unused25,unused26,PG,SG,PF,SF,C";

// A well-formed data line; the figures after games are fixed (minutes 2000, fta 100, ftm 80,
// fga 900, fgm 400, 3pa 300, 3pm 100, oreb 50, dreb 250, ast 300, stl 70, blk 30, to 120,
// dd 5, td 1).
inline std::string projectionLine(int id, int year, const std::string& first,
                                  const std::string& last, int games = 70,
                                  const std::string& pos = "G", const std::string& team = "BOS") {
    return std::to_string(id) + ",P," + std::to_string(year) + "," + first + "," + last + "," +
           pos + "," + team + ",1990-01-02," + std::to_string(games) +
           ",2000,100,80,900,400,300,100,50,250,300,70,30,120,5,1,2019-10-15,0,0,1,0,0,0,0";
}

inline std::string joinLines(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

inline std::string writeFile(const TempFolder& folder, const std::string& name,
                             const std::string& content) {
    const std::filesystem::path path = folder.path() / name;
    std::ofstream file(path, std::ios::binary);
    file << content;
    return path.string();
}

inline std::string sampleFile() {
    return std::string(QUORVANE_SOURCE_DATA_DIR) + "/sample_projections.csv";
}

}  // namespace quorvane::test
