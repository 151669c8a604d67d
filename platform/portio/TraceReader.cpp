#include "TraceReader.h"

#include <charconv>
#include <fstream>

#include "Ports.h"

namespace portio {
namespace {

// The group and bit of a wire identifier, false for none of ours.
bool WireOf(char id, size_t& group, int& bit)
{
    for (group = 0; group < trace::GroupCount; ++group)
        for (bit = 0; bit < trace::Groups[group].width; ++bit)
            if (trace::WireId(group, bit) == id) return true;
    return false;
}

}  // namespace

std::vector<PortOperation> ReadTrace(const std::string& path)
{
    std::ifstream in(path);
    if (!in) throw PortError("port trace " + path + ": cannot be read");
    std::string line;
    while (std::getline(in, line) && line.find("$enddefinitions") == std::string::npos) {}
    if (!in) throw PortError("port trace " + path + ": no VCD definitions");

    std::vector<PortOperation> operations;
    PortOperation current;
    bool inOperation = false;  // a time that dumps the write bit is an operation
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (line[0] == '#') {
            if (inOperation) operations.push_back(current);
            uint64_t time = 0;
            const auto [end, error] = std::from_chars(line.data() + 1, line.data() + line.size(), time);
            if (error != std::errc() || end != line.data() + line.size())
                throw PortError("port trace " + path + ": bad time \"" + line + "\"");
            inOperation = false;
            continue;
        }
        size_t group = 0;
        int bit = 0;
        if (line.size() != 2 || (line[0] != '0' && line[0] != '1') || !WireOf(line[1], group, bit))
            continue;
        const unsigned level = line[0] == '1' ? 1u : 0u;
        if (group == trace::Write) {
            current.write = level != 0;
            inOperation = true;
        }
        if (group == trace::Port)
            current.port = static_cast<uint16_t>((current.port & ~(1u << bit)) | level << bit);
        if (group == trace::Value)
            current.value = static_cast<uint8_t>((current.value & ~(1u << bit)) | level << bit);
    }
    if (inOperation) operations.push_back(current);
    return operations;
}

}  // namespace portio
