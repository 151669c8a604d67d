#include "UsbBoardCommand.h"

#include <ostream>

#include "LibUsbBus.h"
#include "UsbBoards.h"

namespace velk::cli {

void RunBoards(CliSession& session, const CliOptions&, std::ostream& out)
{
    const auto boards = DetectBoards(ProcessUsbBus());
    if (boards.empty()) session.err() << "velkeval-cli: no USB board found\n";
    for (const UsbBoardEntry& board : boards)
        out << board.number << ' ' << UsbDriverName(board.number) << ' ' << board.firmware << '\n';
}

}  // namespace velk::cli
