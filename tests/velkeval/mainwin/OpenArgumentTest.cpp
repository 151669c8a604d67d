// The real program started with "-open": each argument reaches the command
// line reader as the one word the process received.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QProcess>
#include <QProcessEnvironment>

#include "TempDir.h"

namespace {

TEST(VelkEvalProcess, OpenLoadsTheNamedDeviceOfTheNamedFileWithBlanksWrittenAsSpc)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("my boards"));
    std::ofstream(dir.file("my boards/two chips.xml"))
        << R"(<file title="Bench"><device name="First chip" addr="10011000"/>)"
        << R"(<device name="Second chip" addr="10011010"/></file>)";

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LD_PRELOAD", VELK_WINDOW_TITLE_PROBE);
    // In a sanitizer build the probe comes before the sanitizer's runtime.
    environment.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
    environment.insert("VELK_PORTIO", "null");
    environment.insert("VELK_COMPONENT_REGISTRY", QString::fromStdString(dir.file("registry")));
    program.setProcessEnvironment(environment);
    const std::string file = dir.file("my~spcboards/two~spcchips.xml");
    program.start(VELK_PROGRAM, {"-open", QString::fromStdString(file), "Second~spcchip"});
    const bool finished = program.waitForFinished(60000);
    if (!finished) program.kill();
    ASSERT_TRUE(finished) << "VelkEval did not end";
    EXPECT_EQ(program.readAllStandardOutput().toStdString(), "window: Bench - Second chip\n")
        << program.readAllStandardError().toStdString();
}

}  // namespace
