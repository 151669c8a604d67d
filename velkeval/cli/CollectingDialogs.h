#pragma once

#include <optional>
#include <string>

#include "UserDialogs.h"

namespace velk::cli {

// The dialogs of a program without a display: a message is kept for the
// command to report as its error line; questions are answered as if
// cancelled.
class CollectingDialogs : public UserDialogs {
public:
    MessageAnswer ShowMessage(const Message& message) override;
    void Beep() override {}
    std::optional<std::string> OpenFileName(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFileName(const FileRequest&) override { return std::nullopt; }
    std::optional<int32_t> ChooseColour(int32_t) override { return std::nullopt; }
    std::optional<int> ChooseUsbBoard(const UsbBoardDetector&) override { return std::nullopt; }

    // The text of the first message shown since the last call, if any.
    std::optional<std::string> TakeMessage();

private:
    std::optional<std::string> first_;
};

}  // namespace velk::cli
