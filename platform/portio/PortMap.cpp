#include "PortMap.h"

namespace portio {
namespace {

PortLocation LocateOnBase(uint16_t port, uint16_t base)
{
    static constexpr PortRegister spp[] = {PortRegister::Data, PortRegister::Status, PortRegister::Control};
    static constexpr PortRegister ecp[] = {PortRegister::EcpFifo, PortRegister::EcpConfigB, PortRegister::EcpControl};
    if (port >= base && port <= base + 2) return {base, spp[port - base]};
    const unsigned ecpBase = base + EcpOffset;
    if (port >= ecpBase && port <= ecpBase + 2) return {base, ecp[port - ecpBase]};
    return {};
}

}  // namespace

PortLocation LocatePort(uint16_t port)
{
    for (uint16_t base : {Lpt1Base, Lpt2Base}) {
        const PortLocation location = LocateOnBase(port, base);
        if (location.reg != PortRegister::Other) return location;
    }
    return {};
}

const char* RegisterName(PortRegister reg)
{
    switch (reg) {
    case PortRegister::Data: return "data";
    case PortRegister::Status: return "status";
    case PortRegister::Control: return "control";
    case PortRegister::EcpFifo: return "ecp-fifo";
    case PortRegister::EcpConfigB: return "ecp-config-b";
    case PortRegister::EcpControl: return "ecp-control";
    case PortRegister::Other: break;
    }
    return "other";
}

std::string PortHex(uint16_t port)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 12; shift >= 0; shift -= 4) text += digits[(port >> shift) & 0xF];
    return text;
}

}  // namespace portio
