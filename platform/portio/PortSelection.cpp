#include "PortSelection.h"

#include <cstdlib>
#include <fstream>

#include "DirectPorts.h"
#include "NullPorts.h"
#include "PpdevPorts.h"
#include "SimPorts.h"
#include "TraceRecorder.h"

namespace portio {
namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool ParallelPortListed(const std::string& ioportsPath)
{
    std::ifstream in(ioportsPath);
    std::string line;
    while (std::getline(in, line))
        if (line.find("parport") != std::string::npos) return true;
    return false;
}

std::unique_ptr<Ports> OpenSim(const PortOptions& options, std::string& path)
{
    path = options.boardPath.empty() ? DefaultBoardPath() : options.boardPath;
    auto sim = std::make_unique<SimPorts>(path);
    if (options.answering) sim->board().SetAnswering(*options.answering);
    return sim;
}

OpenedPorts OpenAuto(const PortOptions& options)
{
    std::string ppdevReason;
    try {
        return {std::make_unique<PpdevPorts>(options.deviceDir), ""};
    } catch (const PortError& error) {
        ppdevReason = error.what();
    }
    std::string directReason = "no parallel port listed in " + options.ioportsPath;
    if (ParallelPortListed(options.ioportsPath)) {
        try {
            return {std::make_unique<DirectPorts>(), ""};
        } catch (const PortError& error) {
            directReason = error.what();
        }
    }
    std::string path;
    auto sim = OpenSim(options, path);
    return {std::move(sim), "No parallel port can be used (" + ppdevReason + "; " + directReason +
                                "). Port I/O goes to the simulated board " + path + "."};
}

OpenedPorts OpenBackend(const PortOptions& options)
{
    switch (options.backend) {
    case Backend::Auto: return OpenAuto(options);
    case Backend::Ppdev: return {std::make_unique<PpdevPorts>(options.deviceDir), ""};
    case Backend::Direct: return {std::make_unique<DirectPorts>(), ""};
    case Backend::Null:
        return {std::make_unique<NullPorts>(),
                "Port backend \"null\": no hardware; port writes go nowhere and reads return 0xFF."};
    case Backend::Sim: break;
    }
    std::string path;
    auto sim = OpenSim(options, path);
    return {std::move(sim), "Port backend \"sim\": port I/O goes to the simulated board " + path + "."};
}

}  // namespace

Backend ParseBackend(const std::string& name)
{
    if (name.empty() || name == "auto") return Backend::Auto;
    if (name == "ppdev") return Backend::Ppdev;
    if (name == "direct") return Backend::Direct;
    if (name == "sim") return Backend::Sim;
    if (name == "null") return Backend::Null;
    throw PortError("VELK_PORTIO=\"" + name + "\" names no port backend (auto, ppdev, direct, sim or null)");
}

PortOptions OptionsFromEnvironment()
{
    PortOptions options;
    options.backend = ParseBackend(Environment("VELK_PORTIO"));
    options.boardPath = Environment("VELK_BOARD_STATE");
    if (const std::string addresses = Environment("VELK_BOARD_ADDRESSES"); !addresses.empty())
        options.answering = ParseAddressList(addresses);
    options.tracePath = Environment("VELK_PORTIO_TRACE");
    return options;
}

OpenedPorts OpenPorts(const PortOptions& options)
{
    OpenedPorts opened = OpenBackend(options);
    if (!options.tracePath.empty())
        opened.ports = std::make_unique<TraceRecorder>(std::move(opened.ports), options.tracePath);
    return opened;
}

}  // namespace portio
