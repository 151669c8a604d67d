#include "BusTrace.h"

#include <cstdio>

#include "AdapterLatch.h"
#include "PortMap.h"

using namespace portio;

std::vector<PortOperation> RecordedNullPorts::Take()
{
    ports.Flush();
    auto all = ReadTrace(path);
    std::vector<PortOperation> fresh(all.begin() + static_cast<std::ptrdiff_t>(seen), all.end());
    seen = all.size();
    return fresh;
}

std::vector<std::string> BusTokens(const std::vector<PortOperation>& operations)
{
    std::vector<std::string> tokens;
    AdapterLatch latch;
    int bits = 0;
    unsigned frame = 0;
    bool started = false;
    // A START or STOP comes with an SCL rise of its own: one pending bit
    // belongs to it.
    auto endFrame = [&] {
        if (bits > 1) tokens.push_back("bits:" + std::to_string(bits));
        bits = 0;
        frame = 0;
    };
    for (const PortOperation& operation : operations) {
        if (!operation.write) continue;
        const PortRegister reg = LocatePort(operation.port).reg;
        if (reg == PortRegister::Data) latch.WriteData(operation.value);
        if (reg != PortRegister::Control) continue;
        const AdapterLatch before = latch;
        latch.WriteControl(operation.value);
        if (latch.scl && before.scl && latch.sda != before.sda) {
            endFrame();
            tokens.push_back(latch.sda ? "P" : (started ? "Sr" : "S"));
            started = !latch.sda;
        } else if (latch.scl && !before.scl) {
            frame = frame << 1 | latch.sda;
            if (++bits == 9) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "%02X", (frame >> 1) & 0xFF);
                tokens.push_back(hex);
                bits = 0;
                frame = 0;
            }
        }
    }
    endFrame();
    return tokens;
}

PortOperation W(uint16_t port, uint8_t value) { return {port, value, true}; }
PortOperation R(uint16_t port, uint8_t value) { return {port, value, false}; }

std::string Describe(const std::vector<PortOperation>& operations)
{
    std::string text;
    for (const PortOperation& operation : operations)
        text += (operation.write ? "out " : "in ") + std::to_string(operation.port) + " " +
                std::to_string(operation.value) + "\n";
    return text;
}
