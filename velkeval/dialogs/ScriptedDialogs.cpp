#include "ScriptedDialogs.h"

#include <stdexcept>

namespace velk {
namespace {

template <class Answer>
Answer TakeFront(std::deque<Answer>& queue, const std::string& what)
{
    if (queue.empty()) throw std::logic_error("no scripted answer for " + what);
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

MessageAnswer ScriptedDialogs::ShowMessage(const Message& message)
{
    messages_.push_back(message);
    if (answers_.empty() && message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return TakeFront(answers_, "the question \"" + message.text + "\"");
}

std::optional<std::string> ScriptedDialogs::NextFileName(FileKind kind, const FileRequest& request)
{
    fileCalls_.push_back({kind, request});
    return TakeFront(fileNames_, "the file dialog \"" + request.title + "\"");
}

std::optional<std::string> ScriptedDialogs::OpenFileName(const FileRequest& request)
{
    return NextFileName(FileKind::Open, request);
}

std::optional<std::string> ScriptedDialogs::SaveFileName(const FileRequest& request)
{
    return NextFileName(FileKind::Save, request);
}

std::optional<int32_t> ScriptedDialogs::ChooseColour(int32_t initial)
{
    colourCalls_.push_back(initial);
    return TakeFront(colours_, "the colour dialog");
}

std::optional<int> ScriptedDialogs::ChooseUsbBoard(const UsbBoardDetector& detect)
{
    usbBoardCalls_.push_back(detect());
    return TakeFront(usbBoards_, "the USB board selection");
}

}  // namespace velk
