#include "TraceRecorder.h"

#include <cerrno>
#include <cstring>
#include <ctime>

#include "PortMap.h"
#include "TraceFormat.h"

namespace portio {
namespace {

// Identifiers of the register variables, in PortRegister order.
constexpr char RegisterIds[] = {'d', 's', 'c', 'f', 'b', 'e'};

std::string Header()
{
    char date[32] = "";
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", std::gmtime(&now));
    std::string text = std::string("$date ") + date + " UTC $end\n";
    text += "$version portio port-operation recorder $end\n";
    text += "$comment one port operation per microsecond $end\n";
    text += "$timescale 1us $end\n$scope module lpt $end\n";
    auto var = [&text](int width, char id, const std::string& name) {
        text += "$var wire " + std::to_string(width) + " " + id + " " + name + " $end\n";
    };
    var(16, trace::Port, "port");
    var(8, trace::Value, "value");
    var(1, trace::Write, "write");
    for (size_t i = 0; i < std::size(RegisterIds); ++i) {
        std::string name = RegisterName(static_cast<PortRegister>(i));
        for (char& c : name)
            if (c == '-') c = '_';
        var(8, RegisterIds[i], name);
    }
    var(1, trace::Scl, "SCL");
    var(1, trace::Sda, "SDA");
    text += "$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n";
    text += "bx p\nbx v\nxw\n";
    for (char id : RegisterIds) text += std::string("bx ") + id + "\n";
    text += "1C\n1D\n$end\n";
    return text;
}

}  // namespace

TraceRecorder::TraceRecorder(std::unique_ptr<Ports> inner, const std::string& path)
    : inner_(std::move(inner)), path_(path), file_(std::fopen(path.c_str(), "w"))
{
    if (file_ == nullptr) throw PortError("port trace " + path + ": " + std::strerror(errno));
    registers_.fill(-1);
    if (auto lines = inner_->busLines()) lines_ = *lines;
    Put(Header().c_str());
}

TraceRecorder::~TraceRecorder() { std::fclose(file_); }

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

void TraceRecorder::PutVector(unsigned value, int width, char id)
{
    char text[24];
    char* out = text;
    *out++ = 'b';
    for (int bit = width - 1; bit >= 0; --bit) *out++ = ((value >> bit) & 1) ? '1' : '0';
    *out++ = ' ';
    *out++ = id;
    *out++ = '\n';
    *out = '\0';
    Put(text);
}

void TraceRecorder::Record(uint16_t port, uint8_t value, bool write)
{
    Put(("#" + std::to_string(++time_) + "\n").c_str());
    PutVector(port, 16, trace::Port);
    PutVector(value, 8, trace::Value);
    Put(write ? "1w\n" : "0w\n");

    const PortLocation location = LocatePort(port);
    if (location.reg != PortRegister::Other) {
        const auto index = static_cast<size_t>(location.reg);
        if (registers_[index] != value) {
            registers_[index] = value;
            PutVector(value, 8, RegisterIds[index]);
        }
    }
    if (write && location.reg == PortRegister::Data) latch_.WriteData(value);
    if (write && location.reg == PortRegister::Control) latch_.WriteControl(value);

    const BusLines lines = inner_->busLines().value_or(BusLines{latch_.scl, latch_.sdaDrive()});
    if (lines.scl != lines_.scl) Put(lines.scl ? "1C\n" : "0C\n");
    if (lines.sda != lines_.sda) Put(lines.sda ? "1D\n" : "0D\n");
    lines_ = lines;
}

}  // namespace portio
