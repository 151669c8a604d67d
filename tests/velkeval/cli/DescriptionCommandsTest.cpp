#include "CliFixture.h"

#include "DescriptionLoader.h"
#include "DescriptionSaver.h"
#include "HeadlessRegisterView.h"
#include "ProgramState.h"
#include "RecordingDescriptionWindow.h"
#include "ScriptedDialogs.h"

using namespace velk;
using namespace velk::cli;
using namespace velk::cli::test;

namespace {

using DescriptionCommands = CliFixture;

TEST_F(DescriptionCommands, DevicesListsEveryDeviceWithItsAddressPattern)
{
    ASSERT_EQ(Run({"devices", sample}), ExitSuccess) << err;
    EXPECT_EQ(out, "Display Scaler     0111x0x0\n"
                   "Timing Controller  10011010\n");
}

TEST_F(DescriptionCommands, ADescriptionThatDoesNotLoadIsOneErrorLineWithStatusOne)
{
    const std::string malformed = Write("malformed.xml", "<file title=\"t\">\n<device name=\"D\" addr=\"10100000\">\n<group\n");
    const std::string missing = dir.file("missing.xml");
    for (const char* command : {"devices", "registers"}) {
        EXPECT_EQ(Run({command, missing}), ExitFailure);
        EXPECT_NE(err.find("missing.xml"), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;

        EXPECT_EQ(Run({command, malformed}), ExitFailure);
        EXPECT_NE(err.find("malformed.xml\" cannot be read: "), std::string::npos) << err;
        EXPECT_NE(err.find("(line 4, column 1)"), std::string::npos) << err;
        EXPECT_TRUE(out.empty());
    }
    EXPECT_EQ(Run({"registers", sample, "-d", "Frame Grabber"}), ExitFailure);
    EXPECT_NE(err.find("has no device named \"Frame Grabber\""), std::string::npos) << err;
}

TEST_F(DescriptionCommands, RegistersShowsEachRegisterAndUnderItItsFields)
{
    ASSERT_EQ(Run({"registers", sample}), ExitSuccess) << err;
    std::istringstream lines(out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(rows[0].substr(0, 16), "ADDR  REGISTER  ");
    EXPECT_EQ(rows[1].rfind("00    Chip ID ", 0), 0u) << rows[1];
    EXPECT_NE(rows[1].find("Parallel"), std::string::npos);
    EXPECT_NE(rows[1].find("read-only"), std::string::npos);
    EXPECT_NE(rows[2].find("Family"), std::string::npos);
    EXPECT_NE(rows[2].find("byte 0  bits 7:6  default 1"), std::string::npos) << rows[2];
    EXPECT_NE(out.find("bits 5:0  default 2"), std::string::npos);
    const auto inputWidth = out.find("04    Input width ");
    ASSERT_NE(inputWidth, std::string::npos);
    EXPECT_NE(out.find("Series", inputWidth), std::string::npos);
    EXPECT_NE(out.find("Reverse Series"), std::string::npos);  // Gamma address
}

TEST_F(DescriptionCommands, RegistersAsJsonCarryTheSameMap)
{
    ASSERT_EQ(Run({"registers", sample, "--json", "-d", "Timing Controller"}), ExitSuccess) << err;
    EXPECT_EQ(out.rfind("{\"device\": \"Timing Controller\", \"address\": \"10011010\", \"registers\": [", 0), 0u);
    EXPECT_NE(out.find("{\"address\": \"00\", \"name\": \"Device ID\", \"size\": 1, \"controlMode\": \"Parallel\", "
                       "\"readOnly\": true, \"fields\": [\n    {\"name\": \"ID\", \"byte\": 0, \"bits\": \"7:0\", "
                       "\"default\": "),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"name\": \"Horizontal total\", \"size\": 2, \"controlMode\": \"Series\", \"readOnly\": false"),
              std::string::npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '{'), std::count(out.begin(), out.end(), '}'));
    EXPECT_EQ(std::count(out.begin(), out.end(), '['), std::count(out.begin(), out.end(), ']'));
    EXPECT_EQ(out.substr(out.size() - 4), "\n]}\n");
}

TEST_F(DescriptionCommands, JsonEscapesQuotesInNames)
{
    const std::string file = Write("quoted.xml",
                                   "<file title=\"t\"><device name=\"The &quot;A&quot; chip\" addr=\"1010000x\">"
                                   "<group name=\"Back\\slash\" size=\"1\" addr=\"05\" readonly=\"False\" controlmode=\"0\">"
                                   "<field name=\"Low\"><pos byte=\"0\" range=\"3:0\"/></field>"
                                   "</group></device></file>");
    ASSERT_EQ(Run({"registers", file, "--json"}), ExitSuccess) << err;
    EXPECT_EQ(out, "{\"device\": \"The \\\"A\\\" chip\", \"address\": \"1010000x\", \"registers\": [\n"
                   "  {\"address\": \"05\", \"name\": \"Back\\\\slash\", \"size\": 1, \"controlMode\": \"Parallel\", "
                   "\"readOnly\": false, \"fields\": [\n"
                   "    {\"name\": \"Low\", \"byte\": 0, \"bits\": \"3:0\", \"default\": 0}\n  ]}\n]}\n");
}

TEST_F(DescriptionCommands, SaveWritesWhatTheWindowsSaverWritesAndKeepsTheOtherDevice)
{
    const std::string target = dir.file("saved.xml");
    ASSERT_EQ(Run({"save", sample, target, "-d", "Timing Controller"}), ExitSuccess) << err;
    EXPECT_EQ(board.OperationCount(), 0u);

    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state(view, dialogs);
    velk::test::RecordingDescriptionWindow window;
    ParseFile(state, window, sample, "Timing Controller");
    const std::string byWindow = dir.file("by-window.xml");
    ASSERT_TRUE(doXMLSave(state, window, byWindow, TodayShortDate()));
    const std::string saved = Read(target);
    EXPECT_EQ(saved, Read(byWindow));
    EXPECT_NE(saved.find("name=\"Display Scaler\""), std::string::npos);
    EXPECT_NE(saved.find("name=\"Timing Controller\""), std::string::npos);
}

TEST_F(DescriptionCommands, SaveIntoAMissingFolderFailsAndLeavesNothing)
{
    EXPECT_EQ(Run({"save", sample, dir.file("no/such/folder/out.xml")}), ExitFailure);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_TRUE(out.empty());
}

}  // namespace
