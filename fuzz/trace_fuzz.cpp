// Fuzz entry for the port-trace reader, through velk-board's "trace"
// command: any bytes are listed or refused with a usage error (status 2).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "BoardTool.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path =
        velk::fuzz::WriteFuzzFile("trace.vcd", std::string_view(reinterpret_cast<const char*>(data), size));
    std::ostringstream out, err;
    const int status = portio::RunBoardTool({"trace", path}, out, err);
    if (status != 0 && status != 2) std::abort();
    return 0;
}
