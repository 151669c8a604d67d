#include <gtest/gtest.h>

#include <QFontInfo>

#include "ScriptedDialogs.h"
#include "TextFit.h"
#include "WindowFont.h"
#include "frmCalculator.h"
#include "frmSingleReg.h"

using namespace velk;

TEST(ToolWindows, EveryCaptionShowsWholeInTheWindowFont)
{
    ScriptedDialogs dialogs;
    frmSingleReg singleReg{nullptr, [] { return std::shared_ptr<DevInterface>(); }};
    frmCalculator calculator{nullptr, dialogs};
    for (QWidget* window : {static_cast<QWidget*>(&singleReg), static_cast<QWidget*>(&calculator)}) {
        window->show();
        SCOPED_TRACE(window->windowTitle().toStdString());
        EXPECT_EQ(QFontInfo(window->font()).family(), WindowFont().family());
        for (const std::string& misfit : textfit::Misfits(*window)) ADD_FAILURE() << misfit;
    }
}
