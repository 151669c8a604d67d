#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "TempDir.h"

namespace velk::fuzz {

// The folder of one fuzz process for the files it hands to the readers,
// removed at exit.
inline const TempDir& FuzzFolder()
{
    static const TempDir folder;
    return folder;
}

// Writes `bytes` to file `name` of the fuzz folder and returns its path.
inline std::string WriteFuzzFile(const std::string& name, std::string_view bytes)
{
    const std::string path = FuzzFolder().file(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Lets the description readers find the build's sax component, never a
// registered one: the registry is a file of the fuzz folder.
inline void UseBuiltComponents()
{
    setenv("VELK_COMPONENT_PATH", VELK_COMPONENT_DIR, 1);
    setenv("VELK_COMPONENT_REGISTRY", FuzzFolder().file("registry").c_str(), 1);
}

}  // namespace velk::fuzz
