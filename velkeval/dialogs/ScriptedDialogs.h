#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "UserDialogs.h"

namespace velk {

// UserDialogs for tests: records every call and answers from queues of
// scripted answers. A message with only an OK button needs no answer; a
// question, file or colour dialog with no answer queued is an error, so an
// unexpected dialog fails the test instead of being answered at random.
class ScriptedDialogs : public UserDialogs {
public:
    enum class FileKind { Open, Save };
    struct FileCall {
        FileKind kind;
        FileRequest request;
    };

    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // A path, or nothing for a cancelled dialog.
    void QueueFileName(std::optional<std::string> path) { fileNames_.push_back(std::move(path)); }
    void QueueColour(std::optional<int32_t> colour) { colours_.push_back(colour); }
    // A board number, or nothing for a selection dialog left without one.
    void QueueUsbBoard(std::optional<int> board) { usbBoards_.push_back(board); }

    MessageAnswer ShowMessage(const Message& message) override;
    void Beep() override { ++beeps_; }
    std::optional<std::string> OpenFileName(const FileRequest& request) override;
    std::optional<std::string> SaveFileName(const FileRequest& request) override;
    std::optional<int32_t> ChooseColour(int32_t initial) override;
    // Records what the dialog would list, then answers.
    std::optional<int> ChooseUsbBoard(const UsbBoardDetector& detect) override;

    const std::vector<Message>& messages() const { return messages_; }
    int beeps() const { return beeps_; }
    const std::vector<FileCall>& fileCalls() const { return fileCalls_; }
    const std::vector<int32_t>& colourCalls() const { return colourCalls_; }
    // The list of each board selection shown.
    const std::vector<std::vector<UsbBoardEntry>>& usbBoardCalls() const { return usbBoardCalls_; }

private:
    std::optional<std::string> NextFileName(FileKind kind, const FileRequest& request);

    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<std::string>> fileNames_;
    std::deque<std::optional<int32_t>> colours_;
    std::deque<std::optional<int>> usbBoards_;
    std::vector<Message> messages_;
    std::vector<FileCall> fileCalls_;
    std::vector<int32_t> colourCalls_;
    std::vector<std::vector<UsbBoardEntry>> usbBoardCalls_;
    int beeps_ = 0;
};

}  // namespace velk
