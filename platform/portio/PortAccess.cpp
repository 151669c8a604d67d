#include "PortAccess.h"

#include <memory>
#include <mutex>

#include "NullPorts.h"
#include "PortSelection.h"

namespace portio {
namespace {

struct ProcessAccess {
    std::unique_ptr<Ports> ports;
    std::optional<std::string> note;
    bool failed = false;
};

ProcessAccess Open()
{
    try {
        OpenedPorts opened = OpenPorts(OptionsFromEnvironment());
        std::optional<std::string> note;
        if (!opened.note.empty()) note = std::move(opened.note);
        return {std::move(opened.ports), std::move(note)};
    } catch (const PortError& error) {
        return {std::make_unique<UnavailablePorts>(error.what()),
                std::string("Port access failed: ") + error.what() + ". Port operations will fail.", true};
    }
}

ProcessAccess& Access()
{
    static ProcessAccess access = Open();
    return access;
}

}  // namespace

std::optional<std::string> GrantPortAccess()
{
    static std::once_flag reported;
    std::optional<std::string> note;
    std::call_once(reported, [&note] { note = Access().note; });
    return note;
}

bool PortAccessFailed() { return Access().failed; }

Ports& ProcessPorts() { return *Access().ports; }

void Out2(uint16_t port, uint16_t value) { ProcessPorts().Out2(port, value); }

uint16_t Inp2(uint16_t port) { return ProcessPorts().Inp2(port); }

}  // namespace portio
