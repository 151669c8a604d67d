#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "DescriptionCommands.h"
#include "DescriptionLoader.h"
#include "FolderWindow.h"
#include "SavedModel.h"
#include "TempDir.h"

namespace velk::test {
namespace {

namespace fs = std::filesystem;

const std::string DescriptionFilter = "XML (*.xml) |*.xml| All Files (*.*) |*.*";
const std::string ValuesFilter = "Values (*.val) |*.val| All Files (*.*) |*.*";

const std::string LoadedFile =
    "<file title=\"Demo board\">\r\n"
    "<device addr=\"1010xxx0\" name=\"Scaler\"></device>\r\n"
    "</file>\r\n";

// The hand-built "Scaler" device, loaded from a file in a temporary folder
// that is also the program folder, with an unsaved layout change.
struct CommandFixture : ::testing::Test {
    TempDir dir;
    SavedModel model{"Scaler", "1010xxx0"};
    FolderWindow window{dir.file("program")};
    ProgramState& state = model.state;
    ScriptedDialogs& dialogs = model.dialogs;

    void SetUp() override
    {
        fs::create_directory(dir.file("program"));
        BuildScalerExample(model);
        state.currentFileName = dir.file("board.xml");
        WriteBytes(state.currentFileName, LoadedFile);
        state.layoutSaved = false;
    }

    void ExpectRequest(size_t call, ScriptedDialogs::FileKind kind, const std::string& title,
                       const std::string& filter) const
    {
        ASSERT_LT(call, dialogs.fileCalls().size());
        const ScriptedDialogs::FileCall& made = dialogs.fileCalls()[call];
        EXPECT_EQ(made.kind, kind);
        EXPECT_EQ(made.request.title, title);
        EXPECT_EQ(made.request.filter, filter);
        EXPECT_EQ(made.request.defaultExtension, ".xml");
        EXPECT_EQ(made.request.initialPath, dir.file("program"));
        EXPECT_EQ(made.request.mustExist, kind == ScriptedDialogs::FileKind::Open);
        EXPECT_EQ(made.request.promptOverwrite, kind == ScriptedDialogs::FileKind::Save);
    }
    void ExpectOnlyMessage(const std::string& title, const std::string& textStart) const
    {
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].title, title);
        EXPECT_EQ(dialogs.messages()[0].text.rfind(textStart, 0), 0u) << dialogs.messages()[0].text;
        EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::Exclamation);
    }
    std::string Saved() const { return ReadBytes(state.currentFileName); }
};

using SaveChangesQuestion = CommandFixture;

TEST_F(SaveChangesQuestion, IsAskedOnlyAfterALayoutChangeAndNoDropsIt)
{
    state.layoutSaved = true;
    EXPECT_TRUE(QuerySaveChanges(state, window, "3/14/2005"));
    EXPECT_TRUE(dialogs.messages().empty());

    state.layoutSaved = false;
    dialogs.QueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(QuerySaveChanges(state, window, "3/14/2005"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const Message& asked = dialogs.messages()[0];
    EXPECT_EQ(asked.title, "Save Changes");
    EXPECT_EQ(asked.text, "Save changes to board.xml - Scaler?");
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(Saved(), LoadedFile);
    EXPECT_FALSE(state.layoutSaved);
}

TEST_F(SaveChangesQuestion, CancelStopsAndYesSavesBeforeGoingOn)
{
    dialogs.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(QuerySaveChanges(state, window, "3/14/2005"));
    EXPECT_EQ(Saved(), LoadedFile);

    dialogs.QueueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(QuerySaveChanges(state, window, "3/14/2005"));
    EXPECT_NE(Saved().find("<modified value=\"3/14/2005\"/>"), std::string::npos) << Saved();
    EXPECT_TRUE(state.layoutSaved);
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(SaveChangesQuestion, YesOnTheDefaultDescriptionIsRefusedAndStops)
{
    state.currentFileName = dir.file("program/VelkEval.xml");
    WriteBytes(state.currentFileName, LoadedFile);
    dialogs.QueueAnswer(MessageAnswer::Yes);
    EXPECT_FALSE(QuerySaveChanges(state, window, "3/14/2005"));
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].text, "Save changes to VelkEval.xml - Scaler?");
    EXPECT_EQ(dialogs.messages()[1].title, "Invalid File Name");
    EXPECT_EQ(Saved(), LoadedFile);
    EXPECT_FALSE(state.layoutSaved);
}

TEST_F(SaveChangesQuestion, YesWithAFailingSaveReportsItAndStops)
{
    // The loaded file is gone and its folder cannot take the new one.
    state.currentFileName = dir.file("gone/board.xml");
    dialogs.QueueAnswer(MessageAnswer::Yes);
    EXPECT_FALSE(QuerySaveChanges(state, window, "3/14/2005"));
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].title, "File Save Error");
    EXPECT_EQ(dialogs.messages()[1].text.rfind("Error: ", 0), 0u);
    EXPECT_FALSE(state.layoutSaved);
}

TEST(FileCommandsWithoutADescription, DoNothing)
{
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;  // any dialog would fail: none is scripted
    ProgramState state{view, dialogs};
    FolderWindow window{"/nowhere"};
    state.layoutSaved = false;
    SaveXMLCommand(state, window, "3/14/2005");
    doXMLSaveAs(state, window, "3/14/2005");
    doOpen(state, window, "3/14/2005");
    doSave(state, window);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(dialogs.fileCalls().empty());
}

using SaveXmlAs = CommandFixture;

TEST_F(SaveXmlAs, AsksForAPathAndSavesThere)
{
    dialogs.QueueFileName(std::nullopt);
    doXMLSaveAs(state, window, "3/14/2005");
    ExpectRequest(0, ScriptedDialogs::FileKind::Save, "Save XML File", DescriptionFilter);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(state.currentFileName, dir.file("board.xml"));

    const std::string target = dir.file("copy.xml");
    dialogs.QueueFileName(target);
    doXMLSaveAs(state, window, "3/14/2005");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(state.currentFileName, target);
    EXPECT_NE(Saved().find("name=\"Scaler\""), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.file("board.xml")), LoadedFile);
}

TEST_F(SaveXmlAs, ReportsTheRefusalAndFailures)
{
    dialogs.QueueFileName(dir.file("program/VelkEval.xml"));
    doXMLSaveAs(state, window, "3/14/2005");
    ExpectOnlyMessage("Invalid File Name", "You are not allowed to overwrite the default XML file.");
    EXPECT_FALSE(fs::exists(dir.file("program/VelkEval.xml")));

    dialogs.QueueFileName(dir.file("missing/folder/copy.xml"));
    doXMLSaveAs(state, window, "3/14/2005");
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].title, "File Save Error");
    EXPECT_EQ(dialogs.messages()[1].text.rfind("Error: ", 0), 0u);
    EXPECT_EQ(state.currentFileName, dir.file("board.xml"));
}

using SaveXml = CommandFixture;

TEST_F(SaveXml, SavesIntoItsOwnFileAndReportsAFailureAsTheOtherSavesDo)
{
    SaveXMLCommand(state, window, "12/7/2026");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(dialogs.fileCalls().empty());
    EXPECT_NE(ReadBytes(dir.file("board.xml")).find("<modified value=\"12/7/2026\""), std::string::npos);
    EXPECT_TRUE(state.layoutSaved);

    // The loaded file's folder is gone: the save cannot write there.
    state.currentFileName = dir.file("gone/board.xml");
    SaveXMLCommand(state, window, "3/14/2005");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "File Save Error");
    EXPECT_EQ(dialogs.messages()[0].text.rfind("Error: ", 0), 0u);
}

using ValuesCommands = CommandFixture;

TEST_F(ValuesCommands, SaveAsksForAPathAndReportsFailures)
{
    dialogs.QueueFileName(std::nullopt);
    doSave(state, window);
    ExpectRequest(0, ScriptedDialogs::FileKind::Save, "Save Values", ValuesFilter);
    EXPECT_TRUE(dialogs.messages().empty());

    dialogs.QueueFileName(dir.file("values.val"));
    doSave(state, window);
    EXPECT_EQ(ReadBytes(dir.file("values.val")).rfind("<devicevalues name=\"Scaler\">\r\n", 0), 0u);

    dialogs.QueueFileName(dir.file("missing/values.val"));
    doSave(state, window);
    ExpectOnlyMessage("File Save Error", "Error: ");
}

TEST_F(ValuesCommands, OpenAsksToSaveChangesFirst)
{
    dialogs.QueueAnswer(MessageAnswer::Cancel);
    doOpen(state, window, "3/14/2005");
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.fileCalls().empty());

    dialogs.QueueAnswer(MessageAnswer::No);
    dialogs.QueueFileName(std::nullopt);
    doOpen(state, window, "3/14/2005");
    ExpectRequest(0, ScriptedDialogs::FileKind::Open, "Open Values", ValuesFilter);
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

// A description loaded through the loader, for the commands that load or
// apply files.
struct LoadedCommands : ::testing::Test {
    TempDir dir;
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};
    FolderWindow window{dir.file("program")};

    void SetUp() override
    {
        fs::create_directory(dir.file("program"));
        WriteBytes(dir.file("board.xml"), TwoDevices("Board"));
    }
};

TEST_F(LoadedCommands, XmlOpenAsksForAFileAndLoadsItsFirstDevice)
{
    dialogs.QueueFileName(std::nullopt);
    doXMLOpen(state, window);
    EXPECT_TRUE(state.currentFileName.empty());
    EXPECT_TRUE(window.log.empty());

    dialogs.QueueFileName(dir.file("board.xml"));
    doXMLOpen(state, window);
    ASSERT_EQ(dialogs.fileCalls().size(), 2u);
    const FileRequest& asked = dialogs.fileCalls()[0].request;
    EXPECT_EQ(dialogs.fileCalls()[0].kind, ScriptedDialogs::FileKind::Open);
    EXPECT_EQ(asked.title, "Open XML File");
    EXPECT_EQ(asked.filter, DescriptionFilter);
    EXPECT_EQ(asked.defaultExtension, ".xml");
    EXPECT_EQ(asked.initialPath, dir.file("program"));
    EXPECT_TRUE(asked.mustExist);
    EXPECT_EQ(state.currentFileName, dir.file("board.xml"));
    EXPECT_EQ(state.selectedDeviceName, "First");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LoadedCommands, XmlOpenReportsAFailureThatReachesIt)
{
    window.linkFails = true;
    dialogs.QueueFileName(dir.file("board.xml"));
    doXMLOpen(state, window);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "File Save Error");
    EXPECT_EQ(dialogs.messages()[0].text, "Error: the link cannot open");
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::Exclamation);
}

TEST_F(LoadedCommands, ValuesOpenAppliesTheFileAndReportsOneThatFails)
{
    ParseFile(state, window, dir.file("board.xml"), "Second");
    WriteBytes(dir.file("values.val"),
               "<devicevalues name=\"Other\"><registerval addr=\"20\" value=\"5\"/>"
               "<registerval addr=\"21\" value=\"7\"/></devicevalues>");
    dialogs.QueueFileName(dir.file("values.val"));
    doOpen(state, window, "3/14/2005");
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_EQ(dialogs.fileCalls().size(), 1u);
    EXPECT_TRUE(dialogs.fileCalls()[0].request.mustExist);
    EXPECT_EQ(state.allGroups.Item("Two")->GetValue(0), 5);
    EXPECT_FALSE(state.valuesFileMatch);

    // The line before the fault stays applied.
    WriteBytes(dir.file("broken.val"), "<devicevalues name=\"Second\"><registerval addr=\"20\" value=\"9\"/><oops");
    dialogs.QueueFileName(dir.file("broken.val"));
    doOpen(state, window, "3/14/2005");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "File Open Error");
    EXPECT_EQ(dialogs.messages()[0].text.rfind("Error: ", 0), 0u);
    EXPECT_NE(dialogs.messages()[0].text.find("broken.val"), std::string::npos) << dialogs.messages()[0].text;
    EXPECT_EQ(state.allGroups.Item("Two")->GetValue(0), 9);
    EXPECT_EQ(window.log.back(), "Show");
}

}  // namespace
}  // namespace velk::test
