// Who makes the games and where players find them: shown in the About boxes and the Help menus.
#pragma once

namespace common::maker {

inline constexpr const char* kName = "Lanternfold Games";
inline constexpr const char* kWebAddress = "https://lanternfold.example.org/";
inline constexpr const char* kWebHost = "lanternfold.example.org";
inline constexpr const char* kSupportAddress = "support@lanternfold.example.org";
inline constexpr const char* kRightsLine = "Copyright (C) 2026 Lanternfold Games";

}  // namespace common::maker
