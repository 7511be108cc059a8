// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "service/PasswordHash.h"

namespace quorvane::service {

// The users file: one "NAME<TAB>HASH" line per user, the hash as hashPassword makes it. Names
// may hold anything but a tab or a line break; passwords are never stored.
class UserFile {
  public:
    // nullopt when the file cannot be read; lines that are not of the form are skipped.
    static std::optional<UserFile> load(const std::string& path);

    bool verify(std::string_view name, std::string_view password) const;
    std::size_t size() const { return m_hashes.size(); }

  private:
    std::map<std::string, std::string, std::less<>> m_hashes;
};

// Adds the user or replaces his password, writing the file anew (readable by its owner only).
// False with a reason when the name is not allowed or the file cannot be written. Fewer
// iterations than the default are for tests only.
bool addUser(const std::string& path, std::string_view name, std::string_view password,
             std::string& reason, int iterations = kPasswordIterations);

}  // namespace quorvane::service
