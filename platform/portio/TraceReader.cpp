#include "TraceReader.h"

#include <fstream>

#include "Ports.h"

namespace portio {
namespace {

// A "b0101 x" vector change as its number; false for x or z levels.
bool VectorValue(const std::string& digits, unsigned& value)
{
    value = 0;
    for (char digit : digits) {
        if (digit != '0' && digit != '1') return false;
        value = value * 2 + static_cast<unsigned>(digit - '0');
    }
    return true;
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
    bool inOperation = false;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        if (line[0] == '#') {
            if (inOperation) operations.push_back(current);
            inOperation = std::stoull(line.substr(1)) > 0;
            continue;
        }
        if (!inOperation) continue;
        const size_t blank = line.find(' ');
        unsigned value = 0;
        if (line[0] == 'b' && blank != std::string::npos && blank + 2 == line.size() &&
            VectorValue(line.substr(1, blank - 1), value)) {
            if (line.back() == trace::Port) current.port = static_cast<uint16_t>(value);
            if (line.back() == trace::Value) current.value = static_cast<uint8_t>(value);
        } else if (line.size() == 2 && line[1] == trace::Write) {
            current.write = line[0] == '1';
        }
    }
    if (inOperation) operations.push_back(current);
    return operations;
}

}  // namespace portio
