#pragma once

#include <string>

#include "DescriptionWindow.h"
#include "ProgramState.h"

namespace velk {

// Saves the current device into a description file. An empty fileName
// means currentFileName. The other devices of the loaded file are copied
// in their order; the current device is written in place of every device
// named selectedDeviceName, or appended when the file has none. The file is written beside the target under a free temporary name,
// flushed and renamed over the target; `today` is the "modified" text.
// Returns false after showing the refusal when the target is the default
// description; throws FileError for every failure, the target untouched.
// On success the file and device names, the caption and layoutSaved follow.
bool doXMLSave(ProgramState& state, DescriptionWindow& window, const std::string& fileName,
               const std::string& today);

// The caption while a device is built: the file's title, " - ", the device
// name, and with a suffix " (", the file name of currentFileName and the
// suffix (")" or "*)").
std::string DeviceCaption(const ProgramState& state, const std::string& fileSuffix = {});

// A date as month/day/year without leading zeros ("3/14/2005"), whatever
// the locale.
std::string ShortDate(int year, int month, int day);
// Today's local date as ShortDate writes it.
std::string TodayShortDate();

}  // namespace velk
