#include "StartUp.h"

#include <cstdlib>

#include "CommandLine.h"
#include "DefaultDescription.h"
#include "DescriptionLoader.h"
#include "PortAccess.h"
#include "RegisterView.h"

namespace velk {
namespace {

void SetLayoutDefaults(RegisterView& view)
{
    view.layout.Reset();
    view.ResetNextIndexes();
    view.setPageHeight(1, static_cast<int16_t>(view.layout.maxPageHeight + 20));
}

void EmptyCollections(ProgramState& state)
{
    state.allGroups = GroupCollection();
    state.nameRegistry = NameRegistry();
    state.eventsEnabled = false;
}

}  // namespace

bool PortBackendNamed()
{
    const char* named = std::getenv("VELK_PORTIO");
    return named && *named && std::string(named) != "auto";
}

void GrantPortAccessAtStartUp(UserDialogs& dialogs)
{
    const std::optional<std::string> notice = portio::GrantPortAccess();
    if (notice && !PortBackendNamed())
        dialogs.ShowMessage({PortAccessTitle, *notice, MessageIcon::Information, MessageButtons::Ok});
}

void StartUp(ProgramState& state, DescriptionWindow& window, const std::vector<std::string>& arguments)
{
    SetLayoutDefaults(state.view);
    state.loadOnChange = false;
    EmptyCollections(state);

    const std::optional<OpenRequest> request = ReadCommandLine(arguments);
    try {
        if (request) ParseFile(state, window, request->fileName, request->deviceName);
        else ParseFile(state, window, DefaultDescriptionPath(window.programFolder()), "");
    } catch (...) {
        state.layoutSaved = true;
        throw;
    }
    state.layoutSaved = true;
}

}  // namespace velk
