#include "frmAutoControls.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "DescriptionCommands.h"
#include "DescriptionSaver.h"
#include "CommandLine.h"
#include "DevInterface.h"
#include "EditCommands.h"
#include "EventReport.h"
#include "PortAccess.h"
#include "QtColours.h"
#include "StartUp.h"
#include "Twips.h"
#include "USBDevInterface.h"
#include "WindowCommands.h"
#include "WindowFont.h"

namespace velk {
namespace {

constexpr int WindowWidth = 7140;
constexpr int RewriteCheckRegister = 14;
constexpr int RewriteNotNeeded = 3;

int16_t HeightInTwips(int pixels) { return static_cast<int16_t>(std::min(ToTwips(pixels), 32767)); }

}  // namespace

frmAutoControls::frmAutoControls(UserDialogs& dialogs)
    : furniture_(BuildFurniture(*this)),
      events_(state_),
      view_(furniture_, events_, [this] { FitWindowHeight(); }),
      state_(view_, dialogs)
{
    setWindowTitle(QStringLiteral("Ketra Vexcon"));
    setFont(WindowFont());
    setCentralWidget(furniture_.client);
    setFixedWidth(ToPixels(WindowWidth));
    setMinimumHeight(ToPixels(view_.layout.minWindowHeight));
    resize(ToPixels(WindowWidth), ToPixels(8000));

    connect(furniture_.cmbRead, &QPushButton::clicked, this, [this] { cmbReadClick(); });
    connect(furniture_.cmdLoad, &QPushButton::clicked, this, [this] { cmdLoadClick(); });
    connect(furniture_.chkAutoLoad, &QCheckBox::clicked, this, [this] { chkAutoLoadClick(); });
    for (QLabel* bit : furniture_.txtAddrBit) bit->installEventFilter(this);
    furniture_.lblAutoLoad->installEventFilter(this);

    menus_ = BuildMenus(*menuBar());
    AddDeviceEntryPair();
    ConnectMenuCommands();

    connect(&timer1_, &QTimer::timeout, this, [this] { timer1Tick(); });
    timer1_.start(1000);
}

void frmAutoControls::FormLoad(const std::vector<std::string>& arguments)
{
    if (!ports_) GrantPortAccessAtStartUp(state_.dialogs);
    SetMenuDefaults(menus_);
    state_.editMode = false;
    furniture_.chkAutoLoad->setChecked(false);
    SetDefaultLinkOptions(menus_);
    std::vector<std::string> words = arguments;
    const ProgramWords asked = TakeProgramWords(words);
    if (asked.i2cBus) {
        i2cBus_ = *asked.i2cBus;
        CheckOnly(menus_.mnuDevInterface, LinuxI2CEntry);
    }
    fullMenus_ = asked.full;
    if (fullMenus_) ShowHiddenMenus(menus_);
    ReportFailures(state_.dialogs, [&] { StartUp(state_, *this, arguments); });
    if (!fullMenus_) HideLayoutEditorMenus(menus_);
}

std::string frmAutoControls::caption() const { return windowTitle().toStdString(); }

void frmAutoControls::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void frmAutoControls::setRegisterViewVisible(bool visible) { furniture_.tabControls->setVisible(visible); }

portio::Ports& frmAutoControls::ports() { return ports_ ? *ports_ : portio::ProcessPorts(); }

void frmAutoControls::ReopenLink()
{
    if (state_.devInterface) state_.devInterface->Disconnect();
    state_.devInterface = nullptr;
    state_.devInterface = CreateLink();
}

std::shared_ptr<DevInterface> frmAutoControls::CreateLink() { return CreateLink(linkOptions()); }

std::shared_ptr<DevInterface> frmAutoControls::CreateLink(const LinkOptions& options)
{
    // With no device loaded the link opens for an empty address.
    const DeviceRecord device = state_.currentDevice ? *state_.currentDevice : DeviceRecord{};
    return CreateDevConnection(options, device, state_.dialogs, ports(), usb_ ? *usb_ : ProcessUsbBus(), *i2cSystem_);
}

LinkOptions frmAutoControls::linkOptions() const
{
    LinkOptions options = CheckedLinkOptions(menus_);
    options.i2cBus = i2cBus_;
    return options;
}

std::shared_ptr<DevInterface> frmAutoControls::CreateToolLink()
{
    LinkOptions options = linkOptions();
    if (const auto* usb = dynamic_cast<const USBDevInterface*>(state_.devInterface.get()))
        options.usbDriverName = usb->driverName();
    return CreateLink(options);
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
    if (!autoRewrite() || !state_.devInterface || inTimerTick_) return;
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

void frmAutoControls::ClearEditModeAndLoadOnChange()
{
    // Checked first, the "Edit Mode" command always switches edit mode off.
    setEditModeChecked(true);
    doEditClick(EditModeToggle);
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
    if (!closeAnswered_ && !QuerySaveChanges(state_, *this, TodayShortDate())) {
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
        if (watched == furniture_.lblAutoLoad) {
            furniture_.chkAutoLoad->click();
            return true;
        }
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
