#include "HeadlessWindow.h"

#include <filesystem>

namespace velk::cli {

std::string HeadlessWindow::programFolder() const
{
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : executable.parent_path().string();
}

}  // namespace velk::cli
