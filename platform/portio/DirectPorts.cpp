#include "DirectPorts.h"

#include <cerrno>
#include <cstring>
#include <sys/io.h>

#include "PortClaim.h"
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

DirectPorts::DirectPorts() : locks_{PortLockFile(PortLockPath(Lpt1Base)), PortLockFile(PortLockPath(Lpt2Base))}
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
    PortClaim claim(*this, LocatePort(port).base);
    outb(static_cast<unsigned char>(value), port);
}

uint16_t DirectPorts::Inp2(uint16_t port)
{
    CheckGranted(port);
    PortClaim claim(*this, LocatePort(port).base);
    return inb(port);
}

PortLockFile& DirectPorts::LockFor(uint16_t base) { return locks_[base == Lpt2Base ? 1 : 0]; }

void DirectPorts::AcquirePort(uint16_t base) { LockFor(base).Lock(); }

void DirectPorts::ReleasePort(uint16_t base) noexcept { LockFor(base).Unlock(); }

}  // namespace portio
