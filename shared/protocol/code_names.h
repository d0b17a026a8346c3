#pragma once
// Names of the command codes for people (the qbmsg tool): for each receiving
// caption, a short lower-case word per code, e.g. Preview "stop" = 2.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace qb::protocol {

struct CodeName {
    const char* caption;
    const char* name;
    std::uint32_t code;
    const char* meaning;
};

// Every named code, grouped by caption.
const std::vector<CodeName>& codeNames();

// The code of name for that caption; nullopt when it has no such name.
std::optional<std::uint32_t> codeByName(std::string_view caption, std::string_view name);

// The name of code for that caption; nullptr when it has none.
const char* nameOfCode(std::string_view caption, std::uint32_t code);

}  // namespace qb::protocol
