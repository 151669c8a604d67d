#pragma once

#include <string>

namespace velk {

// The description the program opens when the command line names none.
std::string DefaultDescriptionPath(const std::string& programFolder);

// Whether `path` names the default description of `programFolder`, compared
// by resolved path (symbolic links, "." and ".." resolved); a path that does
// not exist is compared in its lexically normalised absolute form.
bool IsDefaultDescription(const std::string& path, const std::string& programFolder);

}  // namespace velk
