#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "RecordingDescriptionWindow.h"
#include "DescriptionSaver.h"
#include "DescriptionWriter.h"
#include "FileError.h"
#include "SavedModel.h"
#include "TempDir.h"

namespace velk::test {
namespace {

namespace fs = std::filesystem;

const std::string ThreeDevices =
    "<file title=\"Board\">\r\n"
    "<author value=\"old\"/><modified value=\"1/1/2000\"/>\r\n"
    "<!-- kept out of the copy -->\r\n"
    "<device addr=\"10000000\" name=\"A\"><group name=\"a&lt;b\" size=\"1\">text</group></device>\r\n"
    "<device addr=\"10100000\" name=\"B\"><group name=\"old\" size=\"1\"/></device>\r\n"
    "<device addr=\"11000000\" name=\"C\"></device>\r\n"
    "</file>\r\n";

const std::vector<std::string> CopiedA = {"<device addr=\"10000000\" name=\"A\">",
                                          "\t<group name=\"a&lt;b\" size=\"1\">", "\t</group>", "</device>"};
const std::vector<std::string> CopiedB = {"<device addr=\"10100000\" name=\"B\">", "\t<group name=\"old\" size=\"1\">",
                                          "\t</group>", "</device>"};
const std::vector<std::string> CopiedC = {"<device addr=\"11000000\" name=\"C\">", "</device>"};

// A program state with device `name` built by hand, loaded from `loaded`.
struct SaveFixture {
    TempDir dir;
    SavedModel model;
    RecordingDescriptionWindow window{dir.file("program")};

    SaveFixture(const std::string& name, const std::string& loaded) : model(name, "1010xxx0")
    {
        fs::create_directory(dir.file("program"));
        BuildScalerExample(model);
        model.state.currentFileName = dir.file("loaded.xml");
        model.state.layoutSaved = false;
        WriteBytes(model.state.currentFileName, loaded);
    }

    std::string Header() const
    {
        XmlLines out;
        WriteHeader(out, *model.state.currentFile, "3/14/2005");
        return out.text();
    }
    std::string CurrentDevice() const
    {
        XmlLines out;
        WriteDevice(out, *model.state.currentDevice, model.state.allGroups);
        return out.text();
    }
    bool Save(const std::string& target) { return doXMLSave(model.state, window, target, "3/14/2005"); }
};

std::string Lines(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return CrLfLines(all);
}

TEST(DescriptionSaver, PutsTheCurrentDeviceInPlaceOfItsOldCopyAndUpdatesTheWindow)
{
    SaveFixture save("B", ThreeDevices);
    const std::string target = save.dir.file("saved.xml");
    ASSERT_TRUE(save.Save(target));
    EXPECT_EQ(ReadBytes(target), save.Header() + Lines({CopiedA}) + save.CurrentDevice() + Lines({CopiedC}) +
                                     "</file>\r\n");
    EXPECT_EQ(save.model.state.currentFileName, target);
    EXPECT_EQ(save.model.state.selectedDeviceName, "B");
    EXPECT_TRUE(save.model.state.layoutSaved);
    EXPECT_EQ(save.window.caption(), "Demo board - B (saved.xml)");
    EXPECT_EQ(ReadBytes(save.dir.file("loaded.xml")), ThreeDevices);
}

TEST(DescriptionSaver, ReplacesEveryDeviceOfTheSelectedNameAndAppendsADeviceTheFileLacks)
{
    SaveFixture twice("B", "<file><device name=\"B\"/><device name=\"A\"/><device name=\"B\"/></file>");
    ASSERT_TRUE(twice.Save(""));  // in place, into the loaded file
    EXPECT_EQ(ReadBytes(twice.dir.file("loaded.xml")),
              twice.Header() + twice.CurrentDevice() + Lines({{"<device name=\"A\">", "</device>"}}) +
                  twice.CurrentDevice() + "</file>\r\n");

    SaveFixture added("New Device", ThreeDevices);
    ASSERT_TRUE(added.Save(""));
    EXPECT_EQ(ReadBytes(added.dir.file("loaded.xml")),
              added.Header() + Lines({CopiedA, CopiedB, CopiedC}) + added.CurrentDevice() + "</file>\r\n");
    EXPECT_EQ(added.window.caption(), "Demo board - New Device (loaded.xml)");
}

TEST(DescriptionSaver, CopiesTheFirstDeviceOfAFileWithoutHeader)
{
    SaveFixture save("B", "<file title=\"t\"><device name=\"A\"><x k=\"1\"/></device><device name=\"B\"/></file>");
    ASSERT_TRUE(save.Save(save.dir.file("out.xml")));
    EXPECT_EQ(ReadBytes(save.dir.file("out.xml")),
              save.Header() + Lines({{"<device name=\"A\">", "\t<x k=\"1\">", "\t</x>", "</device>"}}) +
                  save.CurrentDevice() + "</file>\r\n");
}

TEST(DescriptionSaver, ACopyWithoutPrefixesStaysWellFormed)
{
    SaveFixture save("B", "<file><device name=\"A\"><p: k=\"1\"><g a:n=\"1\" b:n=\"2\" c:=\"3\" m=\"4\" d::o=\"5\"/><q:r:s/></p:></device>"
                          "<device name=\"B\"/></file>");
    ASSERT_TRUE(save.Save(save.dir.file("out.xml")));
    EXPECT_EQ(ReadBytes(save.dir.file("out.xml")),
              save.Header() + Lines({{"<device name=\"A\">", "\t<g n=\"1\" m=\"4\">", "\t</g>", "</device>"}}) +
                  save.CurrentDevice() + "</file>\r\n");
}

TEST(DescriptionSaver, SkipsAllOfTheOldCopyEvenWhenItNestsElementsOfTheHeaderOrDevices)
{
    SaveFixture save("B", "<file><device name=\"B\"><device name=\"X\"/><author/><g/></device>"
                          "<device name=\"C\"/></file>");
    ASSERT_TRUE(save.Save(save.dir.file("out.xml")));
    EXPECT_EQ(ReadBytes(save.dir.file("out.xml")),
              save.Header() + save.CurrentDevice() + Lines({{"<device name=\"C\">", "</device>"}}) + "</file>\r\n");
}

TEST(DescriptionSaver, ReusesALeftTemporaryFileSkipsOneInUseAndReplacesAReadOnlyTarget)
{
    SaveFixture save("B", ThreeDevices);
    const std::string target = save.dir.file("x.xml");
    WriteBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read);
    // ".tmp" belongs to a save still running (it holds the lock), ".tmp0"
    // is a link to a file elsewhere, ".tmp1" was left by a killed save.
    WriteBytes(target + ".tmp", "running");
    const int running = ::open((target + ".tmp").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    WriteBytes(save.dir.file("elsewhere"), "elsewhere");
    fs::create_symlink(save.dir.file("elsewhere"), target + ".tmp0");
    WriteBytes(target + ".tmp1", "left by a killed save");

    ASSERT_TRUE(save.Save(target));
    ::close(running);
    EXPECT_EQ(ReadBytes(target).substr(0, 5), "<file");
    EXPECT_EQ(ReadBytes(target + ".tmp"), "running");
    EXPECT_EQ(ReadBytes(save.dir.file("elsewhere")), "elsewhere");
    EXPECT_FALSE(fs::exists(target + ".tmp1"));
    EXPECT_FALSE(fs::exists(target + ".tmp2"));
}

TEST(DescriptionSaver, RefusesTheDefaultDescriptionHoweverItsPathIsWritten)
{
    SaveFixture save("B", ThreeDevices);
    const std::string defaultFile = save.dir.file("program/VelkEval.xml");
    WriteBytes(defaultFile, "default");
    fs::create_directory_symlink(save.dir.file("program"), save.dir.file("link"));
    for (const std::string& path : {save.dir.file("link/VelkEval.xml"), save.dir.file("program/./VelkEval.xml"),
                                    save.dir.file("program/../program/VelkEval.xml")}) {
        EXPECT_FALSE(save.Save(path)) << path;
    }
    EXPECT_EQ(ReadBytes(defaultFile), "default");
    ASSERT_EQ(save.model.dialogs.messages().size(), 3u);
    const Message& refusal = save.model.dialogs.messages().front();
    EXPECT_EQ(refusal.title, "Invalid File Name");
    EXPECT_EQ(refusal.text, "You are not allowed to overwrite the default XML file.");
    EXPECT_EQ(refusal.icon, MessageIcon::Exclamation);
    EXPECT_FALSE(save.model.state.layoutSaved);
    EXPECT_EQ(save.model.state.currentFileName, save.dir.file("loaded.xml"));

    // Not yet on disk: the normalised path still names it.
    fs::remove(defaultFile);
    EXPECT_FALSE(save.Save(save.dir.file("program/./VelkEval.xml")));
    EXPECT_FALSE(fs::exists(defaultFile));
    EXPECT_TRUE(save.Save(save.dir.file("program/VelkEval2.xml")));
}

TEST(DescriptionSaver, AbandonsTheSaveWhenTheLoadedFileCannotBeRead)
{
    for (const std::string& loaded : {std::string("<file><device name=\"A\">"), std::string()}) {
        SaveFixture save("B", loaded);
        if (loaded.empty()) fs::remove(save.model.state.currentFileName);
        const std::string target = save.dir.file("target.xml");
        WriteBytes(target, "previous");
        EXPECT_THROW(save.Save(target), FileError);
        EXPECT_EQ(ReadBytes(target), "previous");
        EXPECT_FALSE(fs::exists(target + ".tmp"));
        EXPECT_FALSE(save.model.state.layoutSaved);
        EXPECT_EQ(save.window.caption(), "");
    }
}

TEST(DescriptionSaver, AFailedReplacementLeavesNoTemporaryFile)
{
    SaveFixture save("B", ThreeDevices);
    const std::string target = save.dir.file("folder");
    fs::create_directory(target);
    WriteBytes(target + "/inside", "x");
    EXPECT_THROW(save.Save(target), FileError);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_FALSE(fs::exists(target + ".tmp"));
}

TEST(DescriptionSaver, DatesAreMonthDayYearWithoutLeadingZeros)
{
    EXPECT_EQ(ShortDate(2005, 3, 14), "3/14/2005");
    EXPECT_EQ(ShortDate(1999, 12, 1), "12/1/1999");
    std::istringstream today(TodayShortDate());
    int month = 0, day = 0, year = 0;
    char slash1 = 0, slash2 = 0;
    today >> month >> slash1 >> day >> slash2 >> year;
    EXPECT_EQ(TodayShortDate(), ShortDate(year, month, day));
    EXPECT_TRUE(slash1 == '/' && slash2 == '/' && month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 2000)
        << TodayShortDate();
}

}  // namespace
}  // namespace velk::test
