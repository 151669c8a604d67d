// A file whose read fails part-way stops the parse with an error instead of
// being taken as the end of the document. The failing file is a stdio stream
// of our own (fopencookie) that hands out its text and then fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "FileByteSource.h"
#include "ParserCore.h"
#include "RecordingSink.h"

namespace {

struct FailingFile {
    std::string text;
    size_t offset = 0;
};

ssize_t ReadThenFail(void* cookie, char* buffer, size_t size)
{
    auto& file = *static_cast<FailingFile*>(cookie);
    if (file.offset == file.text.size()) {
        errno = EIO;
        return -1;
    }
    const size_t count = std::min(size, file.text.size() - file.offset);
    std::memcpy(buffer, file.text.data() + file.offset, count);
    file.offset += count;
    return static_cast<ssize_t>(count);
}

TEST(FileByteSource, AReadErrorPartWayStopsTheParse)
{
    // More than one chunk of the decoder, so elements are reported before the failure.
    FailingFile file;
    file.text = "<r>";
    while (file.text.size() < 200 * 1024) file.text += "<a/>";
    std::FILE* stream = fopencookie(&file, "rb", cookie_io_functions_t{ReadThenFail, nullptr, nullptr, nullptr});
    ASSERT_NE(stream, nullptr);
    sax::FileByteSource source(stream);

    sax::ParserCore parser;
    saxtest::RecordingSink sink;
    parser.setContentSink(&sink);
    parser.setErrorSink(&sink);
    try {
        parser.parse(source, false);
        FAIL() << "the parse ended without an error";
    } catch (const sax::InputReadError& error) {
        EXPECT_STREQ(error.what(), "Unable to read input file");
    }
    EXPECT_GT(std::count(sink.events.begin(), sink.events.end(), "end(,a,a)"), 1000);
    EXPECT_EQ(std::count(sink.events.begin(), sink.events.end(), "endDocument"), 0);
}

}  // namespace
