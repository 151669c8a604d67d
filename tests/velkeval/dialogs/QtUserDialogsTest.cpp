// The Qt dialogs as the user meets them: each test answers the real modal
// dialog the call opens, and checks what it showed and what the call returns.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

#include "ModalScript.h"
#include "QtUserDialogs.h"
#include "TempDir.h"

using namespace velk;

namespace {

QMessageBox* AsMessageBox(QWidget& widget)
{
    auto* box = qobject_cast<QMessageBox*>(&widget);
    EXPECT_NE(box, nullptr) << widget.metaObject()->className();
    return box;
}

QFileDialog* AsFileDialog(QWidget& widget)
{
    auto* dialog = qobject_cast<QFileDialog*>(&widget);
    EXPECT_NE(dialog, nullptr) << widget.metaObject()->className();
    return dialog;
}

// A step that types a file name into a file dialog and accepts it.
ModalScript::Step Choose(const std::string& path)
{
    return [path](QWidget& widget) {
        if (QFileDialog* dialog = AsFileDialog(widget)) {
            dialog->selectFile(QString::fromStdString(path));
            static_cast<QDialog*>(dialog)->accept();  // as the Open or Save button does
        }
    };
}

struct QtDialogs : ::testing::Test {
    QtUserDialogs dialogs;
    TempDir dir;
    std::string Existing(const std::string& name) const
    {
        std::ofstream(dir.file(name)) << "<file/>";
        return dir.file(name);
    }
};

TEST_F(QtDialogs, MessageBoxesShowTheirIconAndButtonsAndAnswerTheButtonClicked)
{
    struct Case {
        Message message;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton clicked;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {{"Save Changes", "Save changes to a.xml - Chip?", MessageIcon::Question, MessageButtons::YesNoCancel},
         QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No,
         MessageAnswer::No},
        {{"Error", "Unable to communicate with the Chip", MessageIcon::Exclamation, MessageButtons::Ok},
         QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {{"Replace", "Replace it?", MessageIcon::Question, MessageButtons::YesNo}, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageAnswer::Yes},
        {{"Go on", "Go on?", MessageIcon::Exclamation, MessageButtons::OkCancel}, QMessageBox::Warning,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, MessageAnswer::Cancel},
    };
    for (const Case& c : cases) {
        ModalScript script{[&](QWidget& widget) {
            if (QMessageBox* box = AsMessageBox(widget)) {
                EXPECT_EQ(box->windowTitle().toStdString(), c.message.title);
                EXPECT_EQ(box->text().toStdString(), c.message.text);
                EXPECT_EQ(box->icon(), c.icon) << c.message.title;
                EXPECT_EQ(box->standardButtons(), c.buttons) << c.message.title;
                box->button(c.clicked)->click();
            }
        }};
        EXPECT_EQ(dialogs.ShowMessage(c.message), c.answer) << c.message.title;
    }
}

TEST_F(QtDialogs, ClosingAMessageBoxAnswersCancel)
{
    for (MessageButtons buttons : {MessageButtons::YesNoCancel, MessageButtons::OkCancel}) {
        ModalScript script{[](QWidget& widget) { widget.close(); }};
        EXPECT_EQ(dialogs.ShowMessage({"Save Changes", "Save?", MessageIcon::Question, buttons}), MessageAnswer::Cancel);
        EXPECT_TRUE(script.done());
    }
}

TEST_F(QtDialogs, OpenTakesOnlyAnExistingFileAndCancelGivesNothing)
{
    const std::string board = Existing("board.xml");
    const FileRequest request{"Open XML", "XML (*.xml) |*.xml| All Files (*.*) |*.*", dir.file(""), ".xml", true,
                              false};
    std::string refusal;
    ModalScript script{Choose(dir.file("absent.xml")),
                       [&](QWidget& widget) {
                           if (QMessageBox* box = AsMessageBox(widget)) {
                               refusal = box->text().toStdString();
                               box->button(QMessageBox::Ok)->click();
                           }
                       },
                       Choose(board)};
    EXPECT_EQ(dialogs.OpenFileName(request), board);
    EXPECT_NE(refusal.find("File not found"), std::string::npos) << refusal;

    ModalScript cancel{[](QWidget& widget) {
        if (QFileDialog* dialog = AsFileDialog(widget)) dialog->reject();
    }};
    EXPECT_EQ(dialogs.OpenFileName(request), std::nullopt);
}

TEST_F(QtDialogs, SaveAddsTheDefaultExtensionAndAsksBeforeReplacingAFile)
{
    Existing("board.xml");
    const FileRequest request{"Save XML As", "XML (*.xml) |*.xml| All Files (*.*) |*.*", dir.file(""), ".xml", false,
                              true};
    std::string question;
    ModalScript script{Choose(dir.file("board")),  // board.xml exists: the dialog asks
                       [&](QWidget& widget) {
                           if (QMessageBox* box = AsMessageBox(widget)) {
                               question = box->text().toStdString();
                               box->button(QMessageBox::No)->click();
                           }
                       },
                       Choose(dir.file("copy"))};
    EXPECT_EQ(dialogs.SaveFileName(request), dir.file("copy.xml"));
    EXPECT_NE(question.find("board.xml already exists"), std::string::npos) << question;
}

}  // namespace
