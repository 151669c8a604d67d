#include "DirectPorts.h"

#include <cerrno>
#include <cstring>
#include <sys/io.h>

#include "PortMap.h"

namespace portio {
namespace {

constexpr uint16_t GrantedRanges[] = {Lpt1Base, Lpt1Base + EcpOffset, Lpt2Base, Lpt2Base + EcpOffset};

void CheckGranted(uint16_t port)
{
    if (LocatePort(port).reg == PortRegister::Other)
        throw PortError("port " + PortHex(port) + " is not a register of LPT 1 or LPT 2; direct access refused");
}

}  // namespace

DirectPorts::DirectPorts()
{
    for (uint16_t first : GrantedRanges)
        if (ioperm(first, 3, 1) != 0)
            throw PortError("direct port access to " + PortHex(first) + ": " + std::strerror(errno));
}

DirectPorts::~DirectPorts()
{
    for (uint16_t first : GrantedRanges) ioperm(first, 3, 0);
}

void DirectPorts::Out2(uint16_t port, uint16_t value)
{
    CheckGranted(port);
    outb(static_cast<unsigned char>(value), port);
}

uint16_t DirectPorts::Inp2(uint16_t port)
{
    CheckGranted(port);
    return inb(port);
}

}  // namespace portio
