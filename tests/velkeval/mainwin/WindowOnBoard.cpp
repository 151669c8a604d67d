#include "WindowOnBoard.h"

#include <QLineEdit>
#include <QTest>

#include "PageWidget.h"

using namespace velk;

void WindowOnBoard::SetUp()
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

void WindowOnBoard::ConnectDevice(const std::string& pattern)
{
    SetDevice(state, "Panel", "10011000", pattern);
    auto link = std::make_shared<I2CDevInterface>(dialogs, ports);
    link->Configure("LPTPORT", int64_t{888});
    link->Connect(0x98);
    state.devInterface = link;
    window.BuildAddress();
}

std::shared_ptr<ControlRecord> WindowOnBoard::Control(const ControlRecCollection& controls, int32_t type, int n)
{
    for (const auto& record : controls)
        if (record->controlType == type && n-- == 0) return record;
    throw std::runtime_error("no such control");
}

void WindowOnBoard::ClickDrawn(const ControlRecord& record)
{
    const WidgetId id = WidgetOf(record);
    const WidgetState& element = view.element(id);
    QTest::mouseClick(&view.page(element.page), Qt::LeftButton, {}, PageWidget::ItemRect(id.array, element).center());
}

void WindowOnBoard::TypeInto(QWidget& box, const QString& text)
{
    box.setFocus();
    static_cast<QLineEdit&>(box).selectAll();
    QTest::keyClicks(&box, text);
}
