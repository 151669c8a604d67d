#include "ValuesFileReader.h"

#include "FileError.h"
#include "RegisterViewHidden.h"
#include "XMLReader.h"

namespace velk {

void ReadValuesFile(ProgramState& state, DescriptionWindow& window, const std::string& path)
{
    RegisterViewHidden hidden(window);
    state.parseEnabled = true;
    state.valuesFileMatch = false;
    XMLReader reader(state, window);
    if (const auto failure = reader.ReadOrDescribeFailure("the values file", path)) throw FileError(*failure);
}

}  // namespace velk
