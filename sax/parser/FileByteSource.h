#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "ByteSource.h"

namespace sax {

// A file read in chunks as it is parsed. A directory does not open (it
// would read as an empty document); a read that fails part-way throws
// InputReadError rather than ending the input early.
class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);
    // Reads a file already open, and closes it at the end.
    explicit FileByteSource(std::FILE* file);

    bool isOpen() const { return file_ != nullptr; }
    size_t read(unsigned char* buffer, size_t capacity) override;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace sax
