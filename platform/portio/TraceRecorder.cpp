#include "TraceRecorder.h"

#include <cerrno>
#include <cstring>
#include <ctime>

#include "PortMap.h"

namespace portio {
namespace {

constexpr size_t CountWires()
{
    size_t count = 0;
    for (const trace::Group& group : trace::Groups) count += static_cast<size_t>(group.width);
    return count;
}
static_assert(CountWires() == trace::WireCount);

constexpr size_t RegisterGroup(PortRegister reg)
{
    switch (reg) {
    case PortRegister::Data: return trace::Data;
    case PortRegister::Status: return trace::Status;
    case PortRegister::Control: return trace::Control;
    default: return trace::GroupCount;
    }
}

std::string Header()
{
    char date[32] = "";
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", std::gmtime(&now));
    std::string text = std::string("$date ") + date + " UTC $end\n";
    text += "$version portio port-operation recorder $end\n";
    text += "$comment one port operation per microsecond $end\n";
    text += "$timescale 1us $end\n$scope module lpt $end\n";
    for (size_t group = 0; group < trace::GroupCount; ++group) {
        const trace::Group& g = trace::Groups[group];
        for (int bit = g.width - 1; bit >= 0; --bit) {
            const std::string name = g.width == 1 ? g.name : g.name + std::to_string(bit);
            text += std::string("$var wire 1 ") + trace::WireId(group, bit) + " " + name + " $end\n";
        }
    }
    text += "$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n";
    for (size_t group = 0; group < trace::GroupCount; ++group)
        for (int bit = trace::Groups[group].width - 1; bit >= 0; --bit)
            text += std::string(group <= trace::Sda ? "1" : "x") + trace::WireId(group, bit) + "\n";
    text += "$end\n";
    return text;
}

}  // namespace

TraceRecorder::TraceRecorder(std::unique_ptr<Ports> inner, const std::string& path)
    : inner_(std::move(inner)), path_(path), file_(std::fopen(path.c_str(), "w"))
{
    if (file_ == nullptr) throw PortError("port trace " + path + ": " + std::strerror(errno));
    levels_.fill('x');
    levels_[static_cast<size_t>(trace::WireId(trace::Scl, 0) - '!')] = '1';
    levels_[static_cast<size_t>(trace::WireId(trace::Sda, 0) - '!')] = '1';
    Put(Header().c_str());
}

// The last levels last one more microsecond, so a decoder sees the final
// STOP; that time carries no write bit, so it is no operation.
TraceRecorder::~TraceRecorder()
{
    std::fprintf(file_, "#%llu\n", static_cast<unsigned long long>(time_ + 1));
    std::fclose(file_);
}

void TraceRecorder::Out2(uint16_t port, uint16_t value)
{
    inner_->Out2(port, value);
    Record(port, static_cast<uint8_t>(value), true);
}

uint16_t TraceRecorder::Inp2(uint16_t port)
{
    const uint16_t value = inner_->Inp2(port);
    Record(port, static_cast<uint8_t>(value), false);
    return value;
}

void TraceRecorder::Flush()
{
    if (std::fflush(file_) != 0) throw PortError("port trace " + path_ + ": " + std::strerror(errno));
}

void TraceRecorder::Put(const char* text)
{
    if (std::fputs(text, file_) < 0) throw PortError("port trace " + path_ + ": " + std::strerror(errno));
}

void TraceRecorder::PutGroup(size_t group, unsigned value, bool always)
{
    for (int bit = trace::Groups[group].width - 1; bit >= 0; --bit) {
        const char id = trace::WireId(group, bit);
        const char level = ((value >> bit) & 1) ? '1' : '0';
        char& last = levels_[static_cast<size_t>(id - '!')];
        if (level == last && !always) continue;
        last = level;
        changes_ += level;
        changes_ += id;
        changes_ += '\n';
    }
}

void TraceRecorder::Record(uint16_t port, uint8_t value, bool write)
{
    changes_ = "#" + std::to_string(++time_) + "\n";
    PutGroup(trace::Write, write ? 1 : 0, true);
    PutGroup(trace::Port, port);
    PutGroup(trace::Value, value);

    const PortRegister reg = LocatePort(port).reg;
    if (const size_t group = RegisterGroup(reg); group != trace::GroupCount) PutGroup(group, value);
    if (write && reg == PortRegister::Data) latch_.WriteData(value);
    if (write && reg == PortRegister::Control) latch_.WriteControl(value);

    const BusLines lines = inner_->busLines().value_or(BusLines{latch_.scl, latch_.sdaDrive()});
    PutGroup(trace::Scl, lines.scl);
    PutGroup(trace::Sda, lines.sda);
    Put(changes_.c_str());
}

}  // namespace portio
