#pragma once

#include <optional>
#include <string_view>

namespace words {

// Extensions: a longer word that keeps a base word whole at one side and adds its letter at
// the other (CHATS over CHAT, TABLE over ABLE).

// The letter `longer` adds after `base`: its last character, when it begins with base (CHAT
// and CHATS: "S"); none when it does not (CHAT and CHOTS). Empty when `longer` is.
std::optional<std::string_view> backLetter(std::string_view base, std::string_view longer);

// The letter `longer` adds before `base`: its first character, when it ends with base (ABLE
// and TABLE: "T"); none when it does not (ABLE and TABLO). Empty when `longer` is.
std::optional<std::string_view> frontLetter(std::string_view base, std::string_view longer);

}  // namespace words
