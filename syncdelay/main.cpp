// syncdelay: programs the sync polarities and delays of the evaluation
// board's data-enable generator over the parallel port.
#include <QApplication>
#include <QMessageBox>

#include "PortAccess.h"
#include "PortAccessMessage.h"
#include "frmSyncdelay.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (const auto message = syncdelay::GrantPortAccessAtStartUp())
        QMessageBox::information(nullptr, syncdelay::PortAccessTitle, QString::fromStdString(*message));

    syncdelay::frmSyncdelay window(portio::ProcessPorts(), [&window](const std::string& failure) {
        QMessageBox::warning(&window, syncdelay::PortAccessTitle, QString::fromStdString(failure));
    });
    window.show();
    return app.exec();
}
