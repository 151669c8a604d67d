#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "FileError.h"
#include "SavedModel.h"
#include "SaxFileReader.h"
#include "TempDir.h"
#include "ValuesFileWriter.h"

namespace velk::test {
namespace {

TEST(ValuesFileWriter, WritesOneRowPerRegisterByteInGroupOrder)
{
    SavedModel model("Scaler", "0111x0x0");
    auto scaler = model.AddGroup("Scaler", "1A", 2);
    scaler->SetValue(5, 0);
    scaler->SetValue(128, 1);
    model.AddGroup("Low", "0c", 1)->SetValue(255, 0);
    model.AddGroup("Wrap", "7FFF", 2);
    TempDir dir;
    WriteValuesFile(model.state, dir.file("board.val"));
    EXPECT_EQ(ReadBytes(dir.file("board.val")), CrLfLines({
                                                    "<devicevalues name=\"Scaler\">",
                                                    "\t<registerval addr=\"1A\" value=\"5\"/>",
                                                    "\t<registerval addr=\"1B\" value=\"128\"/>",
                                                    "\t<registerval addr=\"C\" value=\"255\"/>",
                                                    "\t<registerval addr=\"7FFF\" value=\"0\"/>",
                                                    "\t<registerval addr=\"8000\" value=\"0\"/>",
                                                    "</devicevalues>",
                                                }));
}

TEST(ValuesFileWriter, RowsReadBackAsTheBytesAndTheDeviceName)
{
    SavedModel model("R&D \"<1>\"", "10000000");
    auto group = model.AddGroup("G", "F0", 3);
    for (int16_t i = 0; i < 3; ++i) group->SetValue(static_cast<int16_t>(100 + i), i);
    TempDir dir;
    WriteValuesFile(model.state, dir.file("v.val"));
    ElementRecorder recorder;
    ASSERT_TRUE(ReadWithSax(dir.file("v.val"), recorder).ok);
    EXPECT_EQ(recorder.Named("devicevalues").at(0).attributes.at("name"), "R&D \"<1>\"");
    const auto rows = recorder.Named("registerval");
    ASSERT_EQ(rows.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].attributes.at("addr"), i == 0 ? "F0" : i == 1 ? "F1" : "F2");
        EXPECT_EQ(rows[i].attributes.at("value"), std::to_string(100 + i));
    }
}

TEST(ValuesFileWriter, AFailedWriteLeavesThePreviousFileAndNoTemporary)
{
    SavedModel model("Scaler", "0111x0x0");
    model.AddGroup("G", "10", 1);
    TempDir dir;
    std::filesystem::create_directory(dir.file("taken"));
    WriteBytes(dir.file("taken/inside"), "x");
    EXPECT_THROW(WriteValuesFile(model.state, dir.file("taken")), FileError);
    EXPECT_FALSE(std::filesystem::exists(dir.file("taken.tmp")));
    EXPECT_THROW(WriteValuesFile(model.state, dir.file("missing/v.val")), FileError);

    WriteBytes(dir.file("old.val"), "old");
    model.state.currentDevice.reset();
    EXPECT_THROW(WriteValuesFile(model.state, dir.file("old.val")), FileError);
    EXPECT_EQ(ReadBytes(dir.file("old.val")), "old");
}

}  // namespace
}  // namespace velk::test
