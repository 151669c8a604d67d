#include "FileByteSource.h"

namespace sax {

FileByteSource::FileByteSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

size_t FileByteSource::read(unsigned char* buffer, size_t capacity)
{
    return file_ ? std::fread(buffer, 1, capacity, file_.get()) : 0;
}

}  // namespace sax
