#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Unknown.h"

// A source (and sink) of bytes. Read returns S_OK with *read == count while
// bytes remain, S_FALSE with fewer (0 at the end), or a failure code.
struct ISequentialStream : IUnknown {
    virtual HRESULT Read(void* buffer, ULONG count, ULONG* read) = 0;
    virtual HRESULT Write(const void* buffer, ULONG count, ULONG* written) = 0;

protected:
    ~ISequentialStream() = default;
};

// The stream interface that parseEx asks for; seeking and the rest are not offered.
struct IStream : ISequentialStream {
protected:
    ~IStream() = default;
};

inline constexpr IID IID_ISequentialStream = {
    0x0C733A30, 0x2A1C, 0x11CE, {0xAD, 0xE5, 0x00, 0xAA, 0x00, 0x44, 0x77, 0x3D}};
inline constexpr IID IID_IStream = {0x0000000C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Read-only streams: over a file descriptor (not closed by the stream, e.g.
// standard input), over bytes the stream keeps a copy of, and over bytes the
// caller keeps alive for the stream's life. Each returned stream carries one
// reference for the caller.
IStream* CreateStreamOnDescriptor(int descriptor);
IStream* CreateStreamOnBytes(std::string bytes);
IStream* CreateStreamOnBorrowedBytes(std::string_view bytes);
