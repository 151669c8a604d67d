#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "LoadFixture.h"

namespace velk::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(MALFORMED_CORPUS_DIR)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::map<std::string, std::string> Contents(const std::string& folder)
{
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        contents[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return contents;
}

class MalformedCorpus : public LoadFixture, public ::testing::WithParamInterface<fs::path> {};

// Every file of the corpus either loads or is refused with one message; the
// window comes back usable either way and no file is written or changed.
TEST_P(MalformedCorpus, LoadsOrIsRefusedOnceAndWritesNothing)
{
    const std::string copy = dir.file(GetParam().filename().string());
    fs::copy_file(GetParam(), copy);
    const auto before = Contents(dir.file(""));
    state.eventsEnabled = true;

    ParseFile(state, window, copy, "");

    ASSERT_LE(dialogs.messages().size(), 1u);
    if (!dialogs.messages().empty()) {
        const Message& message = dialogs.messages().front();
        EXPECT_EQ(message.title, "File Open Error");
        EXPECT_EQ(message.text.rfind("Error: the description \"" + copy + "\" cannot be ", 0), 0u) << message.text;
        EXPECT_EQ(message.text.find(":  ("), std::string::npos) << "a reason is missing: " << message.text;
    }
    EXPECT_TRUE(state.parseEnabled);
    EXPECT_TRUE(state.eventsEnabled);
    EXPECT_FALSE(state.currentGroup || state.currentField || state.currentControl);
    EXPECT_EQ(window.log.back(), "Show");
    EXPECT_EQ(Contents(dir.file("")), before);
    for (const auto& group : state.allGroups)
        for (const auto& field : group->childFields) {
            EXPECT_LT(field->byteIndex, group->size);
            EXPECT_LE(field->bitIndex + field->size, 8);
        }
}

INSTANTIATE_TEST_SUITE_P(Files, MalformedCorpus, ::testing::ValuesIn(CorpusFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.stem().string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST_F(LoadFixture, TheCorpusReferenceLoadsCleanly)
{
    ParseFile(state, window, std::string(MALFORMED_CORPUS_DIR) + "/reference.xml", "");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(state.allGroups.count(), 2);
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"Main", "Second"}));
}

}  // namespace
}  // namespace velk::test
