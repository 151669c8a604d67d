#include "DefaultDescription.h"

#include <filesystem>

namespace velk {

namespace fs = std::filesystem;

namespace {

// The path with symbolic links, "." and ".." resolved as far as it exists,
// the rest normalised lexically.
fs::path Resolved(const fs::path& path)
{
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(path, error);
    if (error) resolved = fs::absolute(path, error).lexically_normal();
    return resolved;
}

}  // namespace

std::string DefaultDescriptionPath(const std::string& programFolder) { return programFolder + "/VelkEval.xml"; }

bool IsDefaultDescription(const std::string& path, const std::string& programFolder)
{
    if (path.empty()) return false;
    const fs::path defaultPath = DefaultDescriptionPath(programFolder);
    std::error_code error;
    if (fs::exists(path, error) && fs::exists(defaultPath, error)) return fs::equivalent(path, defaultPath, error);
    return Resolved(path) == Resolved(defaultPath);
}

}  // namespace velk
