#include <string>
#include <vector>

#include <QApplication>

#include "QtUserDialogs.h"
#include "WindowFont.h"
#include "frmAutoControls.h"

// The VelkEval program: one main window per process. Each argument is one
// word of the command line as the process received it.
int main(int argc, char** argv)
{
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
