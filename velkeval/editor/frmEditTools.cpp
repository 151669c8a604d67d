#include "frmEditTools.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "EditorWidgets.h"
#include "WindowFont.h"

namespace velk {
namespace {

constexpr std::array<const char*, 9> Captions{"Edit",      "Insert",     "Append", "Delete", "New",
                                               "Duplicate", "Properties", "Up",     "Down"};
// The buttons by heading, in the order they stand.
constexpr std::array<size_t, 6> GroupButtons{0, 1, 2, 3, 7, 8};
constexpr std::array<size_t, 3> DeviceButtons{4, 5, 6};

}  // namespace

frmEditTools::frmEditTools(QWidget* owner, Command command) : QWidget(owner, Qt::Tool)
{
    setWindowTitle("Edit Tools");
    setFont(WindowFont());
    for (size_t i = 0; i < cmdEdit_.size(); ++i) {
        cmdEdit_[i] = NamedButton(this, "cmdEdit", Captions[i]);
        connect(cmdEdit_[i], &QPushButton::clicked, this, [command, i] { command(static_cast<int>(i) + 1); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Groups:", this));
    for (const size_t i : GroupButtons) layout->addWidget(cmdEdit_[i]);
    layout->addSpacing(8);
    layout->addWidget(new QLabel("Devices:", this));
    for (const size_t i : DeviceButtons) layout->addWidget(cmdEdit_[i]);
    layout->addStretch();
}

}  // namespace velk
