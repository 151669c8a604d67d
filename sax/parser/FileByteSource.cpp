#include "FileByteSource.h"

#include <sys/stat.h>

namespace sax {
namespace {

std::FILE* OpenForReading(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    struct stat status {};
    if (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

}  // namespace

FileByteSource::FileByteSource(const std::string& path) : file_(OpenForReading(path)) {}

FileByteSource::FileByteSource(std::FILE* file) : file_(file) {}

size_t FileByteSource::read(unsigned char* buffer, size_t capacity)
{
    if (!file_) return 0;
    const size_t got = std::fread(buffer, 1, capacity, file_.get());
    if (got < capacity && std::ferror(file_.get())) throw InputReadError("Unable to read input file");
    return got;
}

}  // namespace sax
