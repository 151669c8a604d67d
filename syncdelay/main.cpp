// syncdelay: programs the sync polarities and delays of the evaluation
// board's data-enable generator over the parallel port.
#include <QApplication>
#include <QMessageBox>

#include "PortAccess.h"
#include "PortAccessMessage.h"
#include "ProgramInfo.h"
#include "frmSyncdelay.h"

namespace {

constexpr const char* Usage =
    "Usage: syncdelay [--help | --version]\n"
    "Sets the sync polarities and the sync delays of the evaluation board's data-enable generator\n"
    "and sends them as one 16-bit word through the parallel port (a window; no other arguments).\n"
    "The port backend follows VELK_PORTIO as for VelkEval.\n";

}  // namespace

int main(int argc, char** argv)
{
    // Answered before the window system starts, so they work without a display.
    if (velk_program::AnswerInfoWord(velk_program::FindInfoWord(argc, argv), "syncdelay", Usage)) return 0;
    QApplication app(argc, argv);
    if (const auto message = syncdelay::GrantPortAccessAtStartUp())
        QMessageBox::information(nullptr, syncdelay::PortAccessTitle, QString::fromStdString(*message));

    syncdelay::frmSyncdelay window(portio::ProcessPorts(), [&window](const std::string& failure) {
        QMessageBox::warning(&window, syncdelay::PortAccessTitle, QString::fromStdString(failure));
    });
    window.show();
    return app.exec();
}
