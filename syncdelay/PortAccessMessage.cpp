#include "PortAccessMessage.h"

#include <cstdlib>

#include "PortAccess.h"

namespace syncdelay {
namespace {

bool BackendNamed()
{
    const char* named = std::getenv("VELK_PORTIO");
    return named != nullptr && *named != '\0' && std::string(named) != "auto";
}

}  // namespace

std::optional<std::string> PortAccessMessage(const std::optional<std::string>& note, bool failed, bool backendNamed)
{
    if (!note || (backendNamed && !failed)) return std::nullopt;
    return note;
}

std::optional<std::string> GrantPortAccessAtStartUp()
{
    const std::optional<std::string> note = portio::GrantPortAccess();
    return PortAccessMessage(note, portio::PortAccessFailed(), BackendNamed());
}

}  // namespace syncdelay
