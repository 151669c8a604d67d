// The main window's share of the layout editor: the "Edit Mode" entry and
// the entries after it, the edit tools window and the editors' dialogs.
#include <QAction>
#include <QFrame>

#include "DescriptionSaver.h"
#include "EditCommands.h"
#include "EventReport.h"
#include "dlgDeviceEdit.h"
#include "dlgGroupEdit.h"
#include "frmAutoControls.h"
#include "frmEditTools.h"

namespace velk {

bool frmAutoControls::editModeChecked() const { return menus_.mnuEdit[EditModeToggle]->isChecked(); }

void frmAutoControls::setEditModeChecked(bool checked) { menus_.mnuEdit[EditModeToggle]->setChecked(checked); }

void frmAutoControls::setEditCommandsEnabled(bool enabled)
{
    for (size_t i = 1; i < menus_.mnuEdit.size(); ++i) menus_.mnuEdit[i]->setEnabled(enabled);
}

void frmAutoControls::setEditToolsVisible(bool visible)
{
    if (!visible) {
        if (editTools_) editTools_->hide();
        return;
    }
    if (!editTools_) editTools_ = new frmEditTools(this, [this](int number) { doEditClick(number); });
    // Its top at the window's top, its left edge against the window's right edge.
    const QRect outline = frameGeometry();
    editTools_->move(outline.x() + outline.width(), outline.y());
    editTools_->show();
}

void frmAutoControls::setClipFrameVisible(bool visible) { furniture_.clipFrame->setVisible(visible); }

std::string frmAutoControls::deviceEntryCaption(int16_t index) const
{
    return DeviceEntry(index)->data().toString().toStdString();
}

bool frmAutoControls::deviceEntryChecked(int16_t index) const { return DeviceEntry(index)->isChecked(); }

void frmAutoControls::RunGroupEditor()
{
    dlgGroupEdit editor(state_, this);
    editor.DoModal(this);
}

bool frmAutoControls::RunDeviceProperties()
{
    dlgDeviceEdit properties(state_, OtherDeviceNames(state_, *this), this);
    return properties.DoModal();
}

void frmAutoControls::doEditClick(int number)
{
    ReportFailures(state_.dialogs, [&] { velk::doEditClick(state_, *this, number, TodayShortDate()); });
}

}  // namespace velk
