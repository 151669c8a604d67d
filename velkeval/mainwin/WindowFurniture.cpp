#include "WindowFurniture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include "PageTabBar.h"
#include "Twips.h"

namespace velk {
namespace {

void Place(QWidget& widget, int left, int top, int width, int height)
{
    widget.setGeometry(TwipsRect(left, top, width, height));
}

QLabel* NewLabel(QWidget& parent, const char* caption, int left, int top, int width, int height)
{
    auto* label = new QLabel(QString::fromLatin1(caption), &parent);
    Place(*label, left, top, width, height);
    return label;
}

// Lefts of the address bits 7 down to 0, with a wider gap between 4 and 3.
constexpr std::array<int, 8> AddressBitLefts = {1365, 1575, 1785, 1995, 2310, 2520, 2730, 2940};

constexpr int TabStripTop = 525;
constexpr int ClipTop = 1185;
constexpr int ScrollTop = 1150;

}  // namespace

WindowFurniture BuildFurniture(QWidget& parent)
{
    WindowFurniture f{};
    f.client = new QWidget(&parent);
    QWidget& client = *f.client;

    f.deviceAddressLabel = NewLabel(client, "Device Address:", 105, 105, 1170, 225);
    for (int bit = 0; bit < 8; ++bit) {
        QLabel* box = NewLabel(client, "0", AddressBitLefts[static_cast<size_t>(7 - bit)], 105, 195, 300);
        box->setAlignment(Qt::AlignCenter);
        box->setFrameShape(QFrame::Box);
        box->setAutoFillBackground(true);
        f.txtAddrBit[static_cast<size_t>(bit)] = box;
    }
    f.cmdLoad = new QPushButton(QStringLiteral("Load"), &client);
    Place(*f.cmdLoad, 3255, 105, 855, 330);
    f.cmbRead = new QPushButton(QStringLiteral("Read"), &client);
    Place(*f.cmbRead, 4200, 105, 855, 330);
    // The caption wraps onto two lines in its design place, which a check
    // box cannot do: the box stands alone at the left and a word-wrapped
    // label beside it carries the caption.
    f.chkAutoLoad = new QCheckBox(&client);
    const QStyle& style = *f.chkAutoLoad->style();
    const int boxWidth = ToTwips(style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, f.chkAutoLoad) +
                                 style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, f.chkAutoLoad));
    Place(*f.chkAutoLoad, 5145, 105, boxWidth, 435);
    f.lblAutoLoad = NewLabel(client, "Load Register On Change", 5145 + boxWidth, 105, 1290 - boxWidth, 435);
    f.lblAutoLoad->setWordWrap(true);
    f.lblCnt = NewLabel(client, "0", 6480, 120, 495, 375);
    f.lblCnt->setAlignment(Qt::AlignCenter);
    f.lblCnt->setAutoFillBackground(true);
    QPalette counterColours = f.lblCnt->palette();
    counterColours.setColor(QPalette::Window, Qt::red);
    counterColours.setColor(QPalette::WindowText, Qt::white);
    f.lblCnt->setPalette(counterColours);

    f.tabControls = new QWidget(&client);
    f.tabs = new PageTabBar(f.tabControls);
    f.tabs->setExpanding(false);
    f.tabs->move(0, 0);
    f.tabPanel = new QFrame(f.tabControls);
    f.tabPanel->setFrameShape(QFrame::StyledPanel);
    f.tabPanel->lower();

    f.headerFrame = new QFrame(&client);
    Place(*f.headerFrame, 105, 840, 6525, 350);
    NewLabel(*f.headerFrame, "Address", 105, 60, 800, 225);
    NewLabel(*f.headerFrame, "Name", 945, 60, 1200, 225);
    NewLabel(*f.headerFrame, "Value", 2940, 60, 900, 225);
    NewLabel(*f.headerFrame, "Control", 5355, 60, 1000, 225);

    f.clipFrame = new QFrame(&client);
    f.frameScroll = new QScrollBar(Qt::Vertical, &client);
    f.frameScroll->hide();
    FitFurnitureToHeight(f, 7995);
    return f;
}

void FitFurnitureToHeight(const WindowFurniture& f, int windowHeight)
{
    const int tabHeight = std::max(0, windowHeight - 1200);
    const int clipHeight = std::max(0, windowHeight - 1900);
    Place(*f.tabControls, 0, TabStripTop, 7020, tabHeight);
    const int tabsPixels = f.tabs->sizeHint().height();
    f.tabs->resize(f.tabControls->width(), tabsPixels);
    f.tabPanel->setGeometry(0, tabsPixels - 1, f.tabControls->width(), std::max(0, f.tabControls->height() - tabsPixels + 1));
    Place(*f.clipFrame, 105, ClipTop, 6525, clipHeight);
    Place(*f.frameScroll, 6615, ScrollTop, 330, clipHeight);
}

}  // namespace velk
