#include "ValuesFileWriter.h"

#include "AtomicFile.h"
#include "Conversions.h"
#include "DescriptionFormat.h"
#include "FileError.h"

namespace velk {

void SaveValuesToFile(XmlLines& out, const Group& group, int depth)
{
    const int16_t base = TextToInt(group.address, 0, "hex");
    for (int16_t i = 0; i < group.size; ++i)
        out.Open(depth, format::RegisterVal)
            .Attribute(format::Addr, Hex16(static_cast<int16_t>(base + i)))
            .Attribute(format::Value, group.GetValue(i))
            .EndEmpty();
}

void WriteValuesFile(const ProgramState& state, const std::string& path)
{
    if (!state.currentDevice) throw FileError("No device is loaded");
    XmlLines out;
    out.Open(0, format::DeviceValues).Attribute(format::Name, state.currentDevice->devName).EndStartTag();
    for (const auto& group : state.allGroups) SaveValuesToFile(out, *group, 1);
    out.Close(0, format::DeviceValues);
    WriteFileAtomically(path, out.text());
}

}  // namespace velk
