#pragma once

#include <array>
#include <functional>

#include <QWidget>

class QPushButton;

namespace velk {

// The edit tools window: a small tool window beside the main window with
// the group commands under "Groups:" and the device commands under
// "Devices:". Button i (cmdEdit(i)) runs edit command i + 1.
class frmEditTools : public QWidget {
public:
    using Command = std::function<void(int)>;

    frmEditTools(QWidget* owner, Command command);

    // "Edit", "Insert", "Append", "Delete", "New", "Duplicate",
    // "Properties", "Up", "Down".
    const std::array<QPushButton*, 9>& cmdEdit() const { return cmdEdit_; }

private:
    std::array<QPushButton*, 9> cmdEdit_;
};

}  // namespace velk
