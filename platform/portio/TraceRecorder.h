#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "AdapterLatch.h"
#include "Ports.h"
#include "TraceFormat.h"

namespace portio {

// Records every port operation of the ports it wraps into a VCD file: the
// operation (port, value, read or write), the data, status and control
// registers as they change, and the I2C lines as wires SCL and SDA, one
// virtual microsecond per operation. The lines are the board's own when the
// wrapped ports know them, otherwise those the adapter drives as decoded
// from the writes (SDA high while its driver is released).
class TraceRecorder : public Ports {
public:
    // Throws PortError when the file cannot be created.
    TraceRecorder(std::unique_ptr<Ports> inner, const std::string& path);
    ~TraceRecorder() override;
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;

    void Out2(uint16_t port, uint16_t value) override;
    uint16_t Inp2(uint16_t port) override;
    std::optional<BusLines> busLines() override { return inner_->busLines(); }

    // Writes out what is buffered, so the file can be read while recording.
    void Flush();

protected:
    // Claims go to the wrapped ports.
    void AcquirePort(uint16_t base) override { inner_->Claim(base); }
    void ReleasePort(uint16_t base) noexcept override { inner_->Release(base); }

private:
    void Record(uint16_t port, uint8_t value, bool write);
    void Put(const char* text);
    // Dumps the bits of a group that changed (all of them when always).
    void PutGroup(size_t group, unsigned value, bool always = false);

    std::unique_ptr<Ports> inner_;
    std::string path_;
    std::FILE* file_ = nullptr;
    uint64_t time_ = 0;
    AdapterLatch latch_;
    std::array<char, trace::WireCount> levels_;  // last dumped level per wire: '0', '1' or 'x'
    std::string changes_;
};

}  // namespace portio
