#pragma once

#include <optional>
#include <string>

namespace syncdelay {

inline constexpr const char* PortAccessTitle = "Port Access";

// What the user is told at start-up about port access, from the grant's
// note: a failed grant always (every write will fail), and a note of the
// automatic choice (no parallel port, so the simulated board is used) when
// no backend was named in VELK_PORTIO; a backend the user named is no news.
std::optional<std::string> PortAccessMessage(const std::optional<std::string>& note, bool failed, bool backendNamed);

// Grants the process's port access and returns the message to show, if any.
std::optional<std::string> GrantPortAccessAtStartUp();

}  // namespace syncdelay
