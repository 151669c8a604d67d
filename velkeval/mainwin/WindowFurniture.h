#pragma once

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace velk {

class PageTabBar;

// The fixed controls of the main window's client area at their design
// positions. All are children of `client`; the window owns them.
struct WindowFurniture {
    QWidget* client;
    QLabel* deviceAddressLabel;
    std::array<QLabel*, 8> txtAddrBit;  // index = bit number, 0 least significant
    QPushButton* cmdLoad;
    QPushButton* cmbRead;
    QCheckBox* chkAutoLoad;
    QLabel* lblAutoLoad;  // the caption of chkAutoLoad, wrapped; a click on it toggles the box
    QLabel* lblCnt;
    QWidget* tabControls;  // the tab strip: its tabs over a panel
    PageTabBar* tabs;
    QFrame* tabPanel;
    QFrame* headerFrame;
    QFrame* clipFrame;
    QScrollBar* frameScroll;
};

// Builds the furniture inside a new client widget of parent.
WindowFurniture BuildFurniture(QWidget& parent);

// Sizes the parts that follow the window height (twips): the tab strip,
// the clipping area and the scroll bar.
void FitFurnitureToHeight(const WindowFurniture& furniture, int windowHeight);

}  // namespace velk
