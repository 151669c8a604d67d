#include <fstream>
#include <iterator>

#include <QAction>
#include <QCoreApplication>
#include <QFontInfo>
#include <QMenu>

#include "ControlType.h"
#include "Conversions.h"
#include "HeadlessRegisterView.h"
#include "PageWidget.h"
#include "StartedWindow.h"
#include "TextFit.h"
#include "WindowFont.h"

using namespace velk;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

}  // namespace

struct SampleTextFit : StartedWindow {
    std::vector<std::string> misfits;

    void Add(const std::vector<std::string>& found) { misfits.insert(misfits.end(), found.begin(), found.end()); }

    // The captions drawn on the page: labels and bit boxes.
    void CheckDrawn(int16_t pageNumber)
    {
        const PageWidget& page = view.page(pageNumber);
        for (const WidgetId id : view.store().onPage(pageNumber)) {
            const WidgetState& element = view.element(id);
            if (!IsDrawnArray(id.array) || !element.visible || element.text.empty()) continue;
            QFont font = page.font();
            font.setBold(element.bold);
            font.setItalic(element.italic);
            const QRect rect = PageWidget::ItemRect(id.array, element);
            if (!textfit::DrawnTextFits(font, rect, PageWidget::TextFlags(id.array, element.justify), true,
                                        QString::fromStdString(element.text)))
                misfits.push_back("drawn " + WidgetName(id) + " \"" + element.text + "\" in " +
                                  std::to_string(rect.width()) + " x " + std::to_string(rect.height()) + " px");
        }
    }

    // Text boxes and up-downs hold every digit their range allows.
    void CheckBoxValues(const ControlRecCollection& controls)
    {
        for (const auto& record : controls) {
            if (record->controlType != ControlType::TextBox && record->controlType != ControlType::UpDown) continue;
            const QWidget& box = *view.realWidget(WidgetOf(*record));
            for (const int16_t value : {record->min, record->max})
                Add(textfit::BoxMisfits(box, QString::fromStdString(ValueToText(value, record->radix))));
        }
    }
};

TEST_F(SampleTextFit, EveryTextOfTheWindowAndOfEveryPageOfTheSampleShowsWhole)
{
    Start(ReadFile(VELK_SAMPLE_DESCRIPTION));
    ASSERT_EQ(QFontInfo(window.font()).family(), WindowFont().family()) << "the window font is not installed";
    ASSERT_EQ(window.mnuDevice()->actions().size(), 2);
    for (int device = 0; device < 2; ++device) {
        window.mnuDevice()->actions()[device]->trigger();
        SCOPED_TRACE(state.currentDevice->devName);
        for (int16_t p = 1; p <= view.layout.pageCount(); ++p) {
            view.SwitchPage(p);
            QCoreApplication::processEvents();  // the page's widgets are made
            Add(textfit::Misfits(*window.furniture().client));
            CheckDrawn(p);
            for (const auto& group : state.allGroups) {
                if (group->frame != p) continue;
                CheckBoxValues(group->controls);
                for (const auto& field : group->childFields) CheckBoxValues(field->controls);
            }
        }
    }
    EXPECT_TRUE(misfits.empty()) << Joined(misfits);
}
