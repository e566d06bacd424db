#pragma once

#include <string>

namespace study {

// What an SQLite result code means for the player, in French ("le disque est plein").
std::string sqliteReason(int code);

}  // namespace study
