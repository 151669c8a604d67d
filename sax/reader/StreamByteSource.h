#pragma once

#include "ByteSource.h"
#include "Stream.h"

// The bytes of a client's IStream, for parseEx.
class StreamByteSource final : public sax::ByteSource {
public:
    explicit StreamByteSource(IStream& stream) : stream_(stream) {}

    size_t read(unsigned char* buffer, size_t capacity) override
    {
        ULONG got = 0;
        const ULONG wanted = capacity > 0x40000000 ? 0x40000000 : static_cast<ULONG>(capacity);
        if (FAILED(stream_.Read(buffer, wanted, &got)) || got > wanted) throw sax::InputReadError("Unable to read input stream");
        return got;
    }

private:
    IStream& stream_;
};
