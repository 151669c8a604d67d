// The main window's menu entries and their commands.
#include <stdexcept>

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

#include "DescriptionCommands.h"
#include "DescriptionLoader.h"
#include "DescriptionSaver.h"
#include "EditCommands.h"
#include "EventReport.h"
#include "I2CBuses.h"
#include "NewWindowCommand.h"
#include "WindowCommands.h"
#include "frmAutoControls.h"
#include "frmCalculator.h"
#include "frmSingleReg.h"

namespace velk {
namespace {

constexpr const char* DeGenerationProgram = "syncdelay";

// A device name as menu text: "&" would otherwise mark a shortcut.
QString MenuText(const std::string& name)
{
    return QString::fromStdString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Runs `command` whenever `entry` is chosen. A checkable entry first gets
// back the check mark it had: the commands look at the marks as they were
// and set them themselves.
template <class Command>
void OnChosen(QObject* context, QAction* entry, Command command)
{
    QObject::connect(entry, &QAction::triggered, context, [entry, command](bool checked) {
        if (entry->isCheckable()) entry->setChecked(!checked);
        command();
    });
}

void ShowToolWindow(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

template <size_t N, class Command>
void OnEachChosen(QObject* context, const std::array<QAction*, N>& entries, Command command)
{
    for (size_t i = 0; i < N; ++i) OnChosen(context, entries[i], [command, i] { command(static_cast<int>(i)); });
}

}  // namespace

void frmAutoControls::ConnectMenuCommands()
{
    OnEachChosen(this, menus_.mnuFile, [this](int entry) { mnuFileClick(entry); });
    OnEachChosen(this, menus_.mnuEdit, [this](int entry) { doEditClick(entry); });
    OnEachChosen(this, menus_.mnuTools, [this](int entry) { mnuToolsClick(entry); });
    OnEachChosen(this, menus_.mnuMaxHeight, [this](int entry) { mnuMaxHeightClick(entry); });
    OnEachChosen(this, menus_.mnuDevInterface, [this](int entry) { mnuDevInterfaceClick(entry); });
    OnEachChosen(this, menus_.mnuLPTPort, [this](int entry) { mnuLPTPortClick(entry); });
    OnEachChosen(this, menus_.mnuComPort, [this](int entry) { mnuComPortClick(entry); });
    connect(menus_.mnuI2CBus, &QMenu::aboutToShow, this, [this] { FillI2CBusMenu(); });
    FillI2CBusMenu();
    // "Auto Rewrite" only toggles its own check mark, which Qt does.
}

void frmAutoControls::AddDeviceEntryPair()
{
    const auto index = static_cast<int16_t>(deviceEntries_.size());
    QAction* device = menus_.mnuDevice->addAction(QStringLiteral("None"));
    device->setCheckable(true);
    QAction* newWindow = menus_.mnuNewWin->addAction(QStringLiteral("None"));
    for (QAction* entry : {device, newWindow}) entry->setEnabled(false);
    OnChosen(this, device, [this, index] { mnuDeviceClick(index); });
    OnChosen(this, newWindow, [this, index] { mnuNewWinClick(index); });
    deviceEntries_.push_back(device);
    newWindowEntries_.push_back(newWindow);
}

void frmAutoControls::addDeviceEntry(int16_t index)
{
    if (index != static_cast<int16_t>(deviceEntries_.size()))
        throw std::logic_error("device entries are added at the end");
    AddDeviceEntryPair();
}

void frmAutoControls::removeDeviceEntry(int16_t index)
{
    // Entry 0 always stays; the loader removes the others from the end.
    if (index < 1 || index != static_cast<int16_t>(deviceEntries_.size()) - 1)
        throw std::logic_error("device entries are removed from the end");
    // A device switch removes entries while the chosen one is still
    // delivering its signal, so they are deleted once it has returned.
    for (QAction* entry : {deviceEntries_.back(), newWindowEntries_.back()}) {
        for (QMenu* menu : {menus_.mnuDevice, menus_.mnuNewWin}) menu->removeAction(entry);
        entry->deleteLater();
    }
    deviceEntries_.pop_back();
    newWindowEntries_.pop_back();
}

QAction* frmAutoControls::DeviceEntry(int16_t index) const
{
    if (index < 0 || index >= static_cast<int16_t>(deviceEntries_.size()))
        throw std::logic_error("no such device entry");
    return deviceEntries_[static_cast<size_t>(index)];
}

void frmAutoControls::setDeviceEntry(int16_t index, const std::string& caption, bool enabled)
{
    for (QAction* entry : {DeviceEntry(index), newWindowEntries_[static_cast<size_t>(index)]}) {
        entry->setText(MenuText(caption));
        entry->setData(QString::fromStdString(caption));
        entry->setEnabled(enabled);
    }
}

void frmAutoControls::checkDeviceEntry(int16_t index, bool checked) { DeviceEntry(index)->setChecked(checked); }

bool frmAutoControls::autoRewrite() const { return menus_.autoRewrite()->isChecked(); }

void frmAutoControls::setAutoRewrite(bool on) { menus_.autoRewrite()->setChecked(on); }

int frmAutoControls::checkedMaxHeight() const { return FirstChecked(menus_.mnuMaxHeight); }

void frmAutoControls::mnuMaxHeightClick(int entry)
{
    const auto chosen = static_cast<size_t>(entry);
    if (menus_.mnuMaxHeight.at(chosen)->isChecked()) return;
    CheckOnly(menus_.mnuMaxHeight, chosen);
    ReportFailures(state_.dialogs, [&] { ApplyMaxPageHeight(state_, MaxHeightChoices[chosen]); });
}

void frmAutoControls::ReapplyMaxHeight()
{
    const int entry = checkedMaxHeight();
    if (entry < 0) return;
    menus_.mnuMaxHeight[static_cast<size_t>(entry)]->setChecked(false);
    mnuMaxHeightClick(entry);
}

void frmAutoControls::mnuFileClick(int entry)
{
    const std::string today = TodayShortDate();
    switch (entry) {
    case 0: doOpen(state_, *this, today); break;
    case 1: doSave(state_, *this); break;
    case 2: doXMLOpen(state_, *this); break;
    case 3: SaveXMLCommand(state_, *this, today); break;
    case 4: doXMLSaveAs(state_, *this, today); break;
    case 5:
        if (!QuerySaveChanges(state_, *this, today)) return;
        closeAnswered_ = true;
        close();
        break;
    default: throw std::logic_error("no such File entry");
    }
}

void frmAutoControls::mnuDeviceClick(int16_t entry)
{
    if (!QuerySaveChanges(state_, *this, TodayShortDate())) return;
    QAction* chosen = DeviceEntry(entry);
    if (chosen->isChecked()) return;
    const bool wasEditing = state_.editMode;
    for (QAction* device : deviceEntries_) device->setChecked(false);
    chosen->setChecked(true);
    const std::string name = chosen->data().toString().toStdString();
    ReportFailures(state_.dialogs, [&] { ParseFile(state_, *this, state_.currentFileName, name); });
    // The load left edit mode; the new device is edited too.
    if (wasEditing) doEditClick(EditModeToggle);
}

std::string frmAutoControls::programPath() const
{
    return programFolder() + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}

void frmAutoControls::mnuNewWinClick(int16_t entry)
{
    if (entry < 0 || entry >= static_cast<int16_t>(newWindowEntries_.size()))
        throw std::logic_error("no such New Window entry");
    const QAction& chosen = *newWindowEntries_[static_cast<size_t>(entry)];
    ProgramStart start = NewWindowStart(programPath(), state_.currentFileName, chosen.data().toString().toStdString());
    // A window on a Linux I2C bus opens the new one on the same bus.
    if (menus_.mnuDevInterface[LinuxI2CEntry]->isChecked() && i2cBus_ >= 0)
        start.arguments.insert(start.arguments.end(), {"-i2cbus", std::to_string(i2cBus_)});
    if (fullMenus_) start.arguments.push_back("-full");
    StartProgram("New Window", start);
}

void frmAutoControls::StartProgram(const std::string& title, const ProgramStart& start)
{
    if (starter_->StartDetached(start.program, start.arguments)) return;
    state_.dialogs.ShowMessage({title, "Unable to start " + start.program + ": the program is missing or cannot be run.",
                                MessageIcon::Exclamation, MessageButtons::Ok});
}

void frmAutoControls::mnuToolsClick(int entry)
{
    switch (entry) {
    case 0:
        if (!singleReg_) singleReg_ = new frmSingleReg(this, [this] { return CreateToolLink(); });
        singleReg_->Init(state_.currentDevice.get());
        ShowToolWindow(*singleReg_);
        break;
    case 1:
        if (!calculator_) calculator_ = new frmCalculator(this, state_.dialogs);
        ShowToolWindow(*calculator_);
        break;
    case 2: StartProgram("DE Generation", {programFolder() + "/" + DeGenerationProgram, {}}); break;
    default: throw std::logic_error("no such Tools entry");
    }
}

void frmAutoControls::mnuDevInterfaceClick(int entry)
{
    const auto chosen = static_cast<size_t>(entry);
    const bool changed = !menus_.mnuDevInterface.at(chosen)->isChecked();
    // The Linux I2C link starts on the first bus present until one is chosen.
    if (chosen == LinuxI2CEntry && i2cBus_ < 0) {
        const auto buses = ListI2CBuses(sysRoot_);
        if (!buses.empty()) i2cBus_ = static_cast<int16_t>(buses.front().number);
    }
    CheckOnly(menus_.mnuDevInterface, chosen);
    // Choosing the Linux I2C link again tries once more when its bus failed to open.
    const bool retry = chosen == LinuxI2CEntry && !state_.devInterface;
    if (changed || retry) ReportFailures(state_.dialogs, [this] { ReopenLink(); });
}

void frmAutoControls::mnuLPTPortClick(int entry)
{
    if (!state_.devInterface) return;
    const auto chosen = static_cast<size_t>(entry);
    ReportFailures(state_.dialogs, [&] {
        state_.devInterface->Configure("LPTPORT", LptBase(chosen == 0 ? LptPort::Lpt1 : LptPort::Lpt2));
        CheckOnly(menus_.mnuLPTPort, chosen);
    });
}

void frmAutoControls::mnuComPortClick(int entry)
{
    if (!state_.devInterface) return;
    const auto chosen = static_cast<size_t>(entry);
    ReportFailures(state_.dialogs, [&] {
        state_.devInterface->Configure("COMPORT", int64_t{entry + 1});
        CheckOnly(menus_.mnuComPort, chosen);
    });
}

void frmAutoControls::mnuI2CBusClick(int16_t bus)
{
    i2cBus_ = bus;
    for (QAction* entry : menus_.mnuI2CBus->actions()) entry->setChecked(entry->data().toInt() == bus);
    if (!menus_.mnuDevInterface[LinuxI2CEntry]->isChecked()) return;
    ReportFailures(state_.dialogs, [&] {
        DevInterface* link = state_.devInterface.get();
        // Without a link (its last bus failed to open) one is made now.
        if (!link || link->DevType() != "I2C_LINUX") return ReopenLink();
        try {
            link->Disconnect();
            link->Configure("I2CBUS", int64_t{bus});
            link->Connect(static_cast<int16_t>(state_.currentDevice ? state_.currentDevice->BusAddress() : 0));
        } catch (...) {
            // No link is left rather than one that silently drops every transfer.
            state_.devInterface = nullptr;
            throw;
        }
    });
}

void frmAutoControls::FillI2CBusMenu()
{
    QMenu& menu = *menus_.mnuI2CBus;
    menu.clear();
    const auto buses = ListI2CBuses(sysRoot_);
    if (buses.empty()) {
        QAction* none = menu.addAction(QStringLiteral("No Linux I2C bus present"));
        none->setEnabled(false);
        none->setStatusTip(QStringLiteral("Load the i2c-dev module (modprobe i2c-dev) or plug in an adapter"));
        return;
    }
    for (const I2CBusInfo& bus : buses) {
        QAction* entry = menu.addAction(QString::fromStdString(I2CBusCaption(bus)));
        entry->setCheckable(true);
        entry->setData(bus.number);
        entry->setChecked(bus.number == i2cBus_);
        const auto number = static_cast<int16_t>(bus.number);
        OnChosen(this, entry, [this, number] { mnuI2CBusClick(number); });
    }
}

}  // namespace velk
