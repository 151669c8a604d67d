#pragma once

#include <stdexcept>

#include "ByteSource.h"
#include "Stream.h"

// A read of the client's stream failed: the parse stops as for a parse error.
class StreamReadError : public std::runtime_error {
public:
    StreamReadError() : std::runtime_error("stream read failed") {}
};

// The bytes of a client's IStream, for parseEx.
class StreamByteSource final : public sax::ByteSource {
public:
    explicit StreamByteSource(IStream& stream) : stream_(stream) {}

    size_t read(unsigned char* buffer, size_t capacity) override
    {
        ULONG got = 0;
        const ULONG wanted = capacity > 0x40000000 ? 0x40000000 : static_cast<ULONG>(capacity);
        if (FAILED(stream_.Read(buffer, wanted, &got)) || got > wanted) throw StreamReadError();
        return got;
    }

private:
    IStream& stream_;
};
