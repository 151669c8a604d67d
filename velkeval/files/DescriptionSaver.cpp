#include "DescriptionSaver.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "AtomicFile.h"
#include "DefaultDescription.h"
#include "DescriptionFormat.h"
#include "DescriptionWriter.h"
#include "FileError.h"
#include "SaveXMLReader.h"
#include "SaxFileReader.h"
#include "Utilities.h"

namespace velk {

namespace {

void RefuseDefaultDescription(UserDialogs& dialogs)
{
    dialogs.ShowMessage(Message{"Invalid File Name", "You are not allowed to overwrite the default XML file.",
                                MessageIcon::Exclamation, MessageButtons::Ok});
}

// Copies the other devices of the loaded file around the current one. A
// loaded file that can no longer be read would lose them, so that ends the
// save. Without a loaded file there is nothing to copy.
bool CopyLoadedDevices(const ProgramState& state, XmlLines& out)
{
    if (state.currentFileName.empty()) return false;
    SaveXMLReader copier(out, state.selectedDeviceName, *state.currentDevice, state.allGroups);
    const ParseOutcome outcome = ReadWithSax(state.currentFileName, copier);
    if (!outcome.ok)
        throw FileError("Cannot copy the other devices of \"" + state.currentFileName + "\": " + outcome.lastError +
                        " (line " + std::to_string(outcome.line) + ", column " + std::to_string(outcome.column) +
                        "); the file was not saved");
    return copier.deviceWritten();
}

}  // namespace

bool doXMLSave(ProgramState& state, DescriptionWindow& window, const std::string& fileName, const std::string& today)
{
    if (!state.currentFile || !state.currentDevice) throw FileError("No device description is loaded");
    const std::string target = fileName.empty() ? state.currentFileName : fileName;
    if (target.empty()) throw FileError("The description has no file name");
    if (IsDefaultDescription(target, window.programFolder())) {
        RefuseDefaultDescription(state.dialogs);
        return false;
    }

    XmlLines out;
    // A save mostly writes the loaded file again: room for it and a little more.
    std::error_code unknownSize;
    if (const auto loaded = std::filesystem::file_size(state.currentFileName, unknownSize); !unknownSize)
        out.Reserve(loaded + loaded / 8);
    WriteHeader(out, *state.currentFile, today);
    if (!CopyLoadedDevices(state, out)) WriteDevice(out, *state.currentDevice, state.allGroups);
    out.Close(0, format::File);
    WriteFileAtomically(target, out.text());

    // The current device took the place of every device of its old name, or
    // was added at the end.
    std::vector<std::string>& names = state.fileDeviceNames;
    const std::string& name = state.currentDevice->devName;
    if (std::find(names.begin(), names.end(), state.selectedDeviceName) == names.end()) names.push_back(name);
    else std::replace(names.begin(), names.end(), state.selectedDeviceName, name);
    state.currentFileName = target;
    state.selectedDeviceName = name;
    window.setCaption(DeviceCaption(state, ")"));
    state.layoutSaved = true;
    return true;
}

std::string DeviceCaption(const ProgramState& state, const std::string& fileSuffix)
{
    std::string caption = (state.currentFile ? state.currentFile->title : std::string()) + " - " +
                          (state.currentDevice ? state.currentDevice->devName : std::string());
    if (!fileSuffix.empty()) caption += " (" + FileNameOf(state.currentFileName) + fileSuffix;
    return caption;
}

std::string ShortDate(int year, int month, int day)
{
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}

std::string TodayShortDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ShortDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace velk
