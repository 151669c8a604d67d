#include "frmAutoControls.h"

#include <algorithm>
#include <stdexcept>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "DescriptionCommands.h"
#include "DescriptionSaver.h"
#include "DevInterface.h"
#include "EventReport.h"
#include "PortAccess.h"
#include "QtColours.h"
#include "StartUp.h"
#include "Twips.h"
#include "WindowCommands.h"

namespace velk {
namespace {

constexpr int WindowWidth = 7140;
constexpr int RewriteCheckRegister = 14;
constexpr int RewriteNotNeeded = 3;

int16_t HeightInTwips(int pixels) { return static_cast<int16_t>(std::min(ToTwips(pixels), 32767)); }

// A device entry as a load leaves it until it is filled: "None", disabled.
QAction* AddDeviceEntry(QMenu& menu, bool checkable)
{
    QAction* entry = menu.addAction(QStringLiteral("None"));
    entry->setEnabled(false);
    entry->setCheckable(checkable);
    return entry;
}

// A device name as menu text: "&" would otherwise mark a shortcut.
QString MenuText(const std::string& name)
{
    return QString::fromStdString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

frmAutoControls::frmAutoControls(UserDialogs& dialogs)
    : furniture_(BuildFurniture(*this)),
      events_(state_),
      view_(furniture_, events_, [this] { FitWindowHeight(); }),
      state_(view_, dialogs)
{
    setWindowTitle(QStringLiteral("Ketra Vexcon"));
    setCentralWidget(furniture_.client);
    setFixedWidth(ToPixels(WindowWidth));
    setMinimumHeight(ToPixels(view_.layout.minWindowHeight));
    resize(ToPixels(WindowWidth), ToPixels(8000));

    connect(furniture_.cmbRead, &QPushButton::clicked, this, [this] { cmbReadClick(); });
    connect(furniture_.cmdLoad, &QPushButton::clicked, this, [this] { cmdLoadClick(); });
    connect(furniture_.chkAutoLoad, &QCheckBox::clicked, this, [this] { chkAutoLoadClick(); });
    for (QLabel* bit : furniture_.txtAddrBit) bit->installEventFilter(this);

    mnuDevice_ = menuBar()->addMenu(QStringLiteral("&Device"));
    mnuNewWindow_ = menuBar()->addMenu(QStringLiteral("&New Window"));
    deviceEntries_.push_back(AddDeviceEntry(*mnuDevice_, true));
    newWindowEntries_.push_back(AddDeviceEntry(*mnuNewWindow_, false));

    connect(&timer1_, &QTimer::timeout, this, [this] { timer1Tick(); });
    timer1_.start(1000);
}

void frmAutoControls::FormLoad(const std::vector<std::string>& arguments)
{
    if (!ports_) GrantPortAccessAtStartUp(state_.dialogs);
    maxHeightChecked_ = {false, false, true, false};
    furniture_.chkAutoLoad->setChecked(false);
    ReportFailures(state_.dialogs, [&] { StartUp(state_, *this, arguments); });
}

std::string frmAutoControls::caption() const { return windowTitle().toStdString(); }

void frmAutoControls::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void frmAutoControls::addDeviceEntry(int16_t index)
{
    if (index != static_cast<int16_t>(deviceEntries_.size()))
        throw std::logic_error("device entries are added at the end");
    deviceEntries_.push_back(AddDeviceEntry(*mnuDevice_, true));
    newWindowEntries_.push_back(AddDeviceEntry(*mnuNewWindow_, false));
}

void frmAutoControls::removeDeviceEntry(int16_t index)
{
    // Entry 0 always stays; the loader removes the others from the end.
    if (index < 1 || index != static_cast<int16_t>(deviceEntries_.size()) - 1)
        throw std::logic_error("device entries are removed from the end");
    delete deviceEntries_.back();
    delete newWindowEntries_.back();
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
        entry->setEnabled(enabled);
    }
}

void frmAutoControls::checkDeviceEntry(int16_t index, bool checked) { DeviceEntry(index)->setChecked(checked); }

void frmAutoControls::setRegisterViewVisible(bool visible) { furniture_.tabControls->setVisible(visible); }

portio::Ports& frmAutoControls::ports() { return ports_ ? *ports_ : portio::ProcessPorts(); }

void frmAutoControls::ReopenLink()
{
    if (state_.devInterface) state_.devInterface->Disconnect();
    state_.devInterface = nullptr;
    // With no device loaded the link opens for an empty address.
    const DeviceRecord device = state_.currentDevice ? *state_.currentDevice : DeviceRecord{};
    state_.devInterface = CreateDevConnection(linkOptions_, device, state_.dialogs, ports());
}

std::string frmAutoControls::programFolder() const
{
    if (!programFolder_.empty()) return programFolder_;
    return QCoreApplication::applicationDirPath().toStdString();
}

void frmAutoControls::cmbReadClick()
{
    ReportFailures(state_.dialogs, [this] { ReadAllGroups(state_); });
}

void frmAutoControls::cmdLoadClick()
{
    ReportFailures(state_.dialogs, [this] { LoadAllGroups(state_); });
}

void frmAutoControls::chkAutoLoadClick() { state_.loadOnChange = furniture_.chkAutoLoad->isChecked(); }

void frmAutoControls::txtAddrBitClick(int bit)
{
    if (!furniture_.txtAddrBit[static_cast<size_t>(bit)]->isEnabled()) return;
    ReportFailures(state_.dialogs, [&] {
        ClickAddressBit(state_, bit);
        BuildAddress();
    });
}

void frmAutoControls::BuildAddress()
{
    if (!state_.currentDevice) return;
    const DeviceRecord& device = *state_.currentDevice;
    for (int bit = 0; bit < 8; ++bit) {
        QLabel& box = *furniture_.txtAddrBit[static_cast<size_t>(bit)];
        box.setText(QString::fromStdString(device.AddressBit(bit)));
        const bool editable = device.AddressBitEditable(bit);
        box.setEnabled(editable);
        QPalette colours = box.palette();
        colours.setColor(QPalette::Window, ToQColor(editable ? RGB(255, 255, 255) : RGB(255, 255, 200)));
        box.setPalette(colours);
    }
}

void frmAutoControls::timer1Tick()
{
    // A message shown by one tick keeps the next ones out until it is answered.
    if (!autoRewrite_ || !state_.devInterface || inTimerTick_) return;
    inTimerTick_ = true;
    ReportFailures(state_.dialogs, [this] {
        int value = 0;
        if (state_.devInterface->isConnected()) value = state_.devInterface->ReadByte(RewriteCheckRegister);
        if (value == RewriteNotNeeded) return;
        cmdLoadClick();
        rewriteCount_ = (rewriteCount_ + 1) % 1000;
        furniture_.lblCnt->setText(QString::number(rewriteCount_));
    });
    inTimerTick_ = false;
}

int frmAutoControls::checkedMaxHeight() const
{
    const auto it = std::find(maxHeightChecked_.begin(), maxHeightChecked_.end(), true);
    return it == maxHeightChecked_.end() ? -1 : static_cast<int>(it - maxHeightChecked_.begin());
}

void frmAutoControls::mnuMaxHeightClick(int entry)
{
    if (maxHeightChecked_.at(static_cast<size_t>(entry))) return;
    maxHeightChecked_.fill(false);
    maxHeightChecked_[static_cast<size_t>(entry)] = true;
    ReportFailures(state_.dialogs,
                   [&] { ApplyMaxPageHeight(state_, MaxHeightChoices[static_cast<size_t>(entry)]); });
}

void frmAutoControls::ReapplyMaxHeight()
{
    const int entry = checkedMaxHeight();
    if (entry < 0) return;
    maxHeightChecked_[static_cast<size_t>(entry)] = false;
    mnuMaxHeightClick(entry);
}

void frmAutoControls::ClearAll()
{
    velk::ClearAll(state_);
    furniture_.chkAutoLoad->setChecked(false);
}

void frmAutoControls::DoResize()
{
    if (isMinimized()) return;
    if (isMaximized()) {
        // The normal-state rules follow on the resize this causes.
        const QRect workArea = screen()->availableGeometry();
        setWindowState(windowState() & ~Qt::WindowMaximized);
        move(x(), 0);
        resize(width(), workArea.height());
        return;
    }
    if (HeightInTwips(height()) < view_.layout.minWindowHeight) {
        resize(width(), ToPixels(view_.layout.minWindowHeight));
        return;
    }
    const int16_t h = HeightInTwips(height());
    FitFurnitureToHeight(furniture_, h);
    view_.FitPagesToClipHeight(static_cast<int16_t>(h - 1900));
}

void frmAutoControls::FitWindowHeight()
{
    const int wanted = view_.layout.largestPageBottom() + 2000;
    const int current = ToTwips(height());
    const QRect workArea = screen()->availableGeometry();
    const int workHeight = ToTwips(workArea.height());
    const int top = ToTwips(y() - workArea.top());
    if (current > wanted) resize(width(), ToPixels(wanted));
    else if (workHeight > current) resize(width(), ToPixels(std::min(wanted, workHeight - top)));
    else DoResize();
}

void frmAutoControls::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    DoResize();
}

void frmAutoControls::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) DoResize();
}

void frmAutoControls::closeEvent(QCloseEvent* event)
{
    if (!QuerySaveChanges(state_, *this, TodayShortDate())) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

bool frmAutoControls::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const auto& bits = furniture_.txtAddrBit;
        const auto it = std::find(bits.begin(), bits.end(), watched);
        if (it != bits.end()) {
            txtAddrBitClick(static_cast<int>(it - bits.begin()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace velk
