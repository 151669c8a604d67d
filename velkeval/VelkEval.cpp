#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>

#include "CommandLine.h"
#include "ProgramInfo.h"
#include "QtUserDialogs.h"
#include "WindowFont.h"
#include "frmAutoControls.h"

namespace {

constexpr const char* Usage =
    "Usage: VelkEval [-open FILE DEVICE] [-i2cbus N] [-full] [--help | --version]\n"
    "The register-map window for display-interface chips on an I2C bus: shows every register of a\n"
    "device description as controls and keeps them, the register map and the chip in step.\n"
    "\n"
    "  -open FILE DEVICE  load DEVICE of the description FILE (write a blank in either as ~spc);\n"
    "                     without it the first device of VelkEval.xml in the program folder\n"
    "  -i2cbus N          start on the Linux I2C bus /dev/i2c-N instead of the parallel port\n"
    "  -full              keep the Edit menu (the layout editor), the description file commands,\n"
    "                     the serial and USB links and Auto Rewrite in the menus\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "The port backend is chosen by VELK_PORTIO (auto, ppdev, direct, sim, null); without a\n"
    "parallel port the simulated board is used. See VelkEval(1).\n";

}  // namespace

// The VelkEval program: one main window per process. Each argument is one
// word of the command line as the process received it.
int main(int argc, char** argv)
{
    // Answered before the window system starts, so they work without a display.
    std::vector<std::string> words(argv + 1, argv + argc);
    const velk::ProgramWords asked = velk::TakeProgramWords(words);
    if (asked.help || asked.version) {
        velk_program::AnswerInfoWord(asked.help ? velk_program::InfoWord::Help : velk_program::InfoWord::Version,
                                     "VelkEval", Usage);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setFont(velk::WindowFont());  // message boxes and dialogs alike
    const std::vector<std::string> arguments(argv + 1, argv + argc);

    velk::QtUserDialogs dialogs;
    velk::frmAutoControls window(dialogs);
    dialogs.setParent(&window);
    window.FormLoad(arguments);
    window.show();
    return QApplication::exec();
}
