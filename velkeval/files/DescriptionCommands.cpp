#include "DescriptionCommands.h"

#include <exception>

#include "DefaultDescription.h"
#include "DescriptionLoader.h"
#include "DescriptionSaver.h"
#include "Utilities.h"
#include "ValuesFileReader.h"
#include "ValuesFileWriter.h"

namespace velk {
namespace {

constexpr const char* DescriptionFilter = "XML (*.xml) |*.xml| All Files (*.*) |*.*";
constexpr const char* ValuesFilter = "Values (*.val) |*.val| All Files (*.*) |*.*";
// The values dialogs share the description dialogs' default extension.
constexpr const char* DefaultExtension = ".xml";
constexpr const char* OpenErrorTitle = "File Open Error";
constexpr const char* SaveErrorTitle = "File Save Error";

FileRequest Request(const std::string& title, const char* filter, const DescriptionWindow& window)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    request.initialPath = window.programFolder();
    request.defaultExtension = DefaultExtension;
    return request;
}

FileRequest OpenFileRequest(const std::string& title, const char* filter, const DescriptionWindow& window)
{
    FileRequest request = Request(title, filter, window);
    request.mustExist = true;
    return request;
}

FileRequest SaveFileRequest(const std::string& title, const char* filter, const DescriptionWindow& window)
{
    FileRequest request = Request(title, filter, window);
    request.promptOverwrite = true;
    return request;
}

// Runs a command's work; a failure is shown as "Error: " and its description
// under `title`. Returns whether the work ended without one.
template <class Work>
bool Reported(UserDialogs& dialogs, const char* title, Work&& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& failure) {
        dialogs.ShowMessage({title, std::string("Error: ") + failure.what(), MessageIcon::Exclamation,
                             MessageButtons::Ok});
        return false;
    }
}

std::string SaveChangesText(const ProgramState& state)
{
    const std::string device = state.currentDevice ? state.currentDevice->devName : std::string();
    return "Save changes to " + FileNameOf(state.currentFileName) + " - " + device + "?";
}

}  // namespace

bool QuerySaveChanges(ProgramState& state, DescriptionWindow& window, const std::string& today)
{
    if (state.layoutSaved) return true;
    const MessageAnswer answer = state.dialogs.ShowMessage(
        {"Save Changes", SaveChangesText(state), MessageIcon::Question, MessageButtons::YesNoCancel});
    if (answer == MessageAnswer::No) return true;
    if (answer != MessageAnswer::Yes) return false;

    // The default description may not be overwritten: the save refuses it
    // with its own message, and the caller stops.
    const bool mayGoOn = !IsDefaultDescription(state.currentFileName, window.programFolder());
    bool saved = false;
    const bool noFailure =
        Reported(state.dialogs, SaveErrorTitle, [&] { saved = doXMLSave(state, window, "", today); });
    return mayGoOn && noFailure && saved;
}

void doXMLOpen(ProgramState& state, DescriptionWindow& window)
{
    const std::optional<std::string> path =
        state.dialogs.OpenFileName(OpenFileRequest("Open XML File", DescriptionFilter, window));
    if (!path) return;
    Reported(state.dialogs, SaveErrorTitle, [&] { ParseFile(state, window, *path, ""); });
}

void SaveXMLCommand(ProgramState& state, DescriptionWindow& window, const std::string& today)
{
    if (!state.currentFile) return;
    Reported(state.dialogs, SaveErrorTitle, [&] { doXMLSave(state, window, "", today); });
}

void doXMLSaveAs(ProgramState& state, DescriptionWindow& window, const std::string& today)
{
    if (!state.currentFile) return;
    const std::optional<std::string> path =
        state.dialogs.SaveFileName(SaveFileRequest("Save XML File", DescriptionFilter, window));
    if (!path) return;
    Reported(state.dialogs, SaveErrorTitle, [&] { doXMLSave(state, window, *path, today); });
}

void doOpen(ProgramState& state, DescriptionWindow& window, const std::string& today)
{
    if (!state.currentFile) return;
    if (!QuerySaveChanges(state, window, today)) return;
    const std::optional<std::string> path =
        state.dialogs.OpenFileName(OpenFileRequest("Open Values", ValuesFilter, window));
    if (!path) return;
    Reported(state.dialogs, OpenErrorTitle, [&] { ReadValuesFile(state, window, *path); });
}

void doSave(ProgramState& state, DescriptionWindow& window)
{
    if (!state.currentFile) return;
    const std::optional<std::string> path =
        state.dialogs.SaveFileName(SaveFileRequest("Save Values", ValuesFilter, window));
    if (!path) return;
    Reported(state.dialogs, SaveErrorTitle, [&] { WriteValuesFile(state, *path); });
}

}  // namespace velk
