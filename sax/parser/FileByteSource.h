#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "ByteSource.h"

namespace sax {

// A file read in chunks as it is parsed.
class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::string& path);

    bool isOpen() const { return file_ != nullptr; }
    size_t read(unsigned char* buffer, size_t capacity) override;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace sax
