#include "StartedWindow.h"

#include <filesystem>
#include <fstream>

#include <QAction>
#include <QMenu>

const char* const TwoDevices =
    "<file title=\"Default board\">"
    "<device addr=\"1010xxx0\" name=\"First\"><group name=\"One\" addr=\"10\" size=\"1\">"
    "<field name=\"F1\"><pos range=\"7:0\"/></field></group></device>"
    "<device addr=\"10011000\" name=\"Second &amp; last\"><group name=\"Two\" addr=\"20\" size=\"1\">"
    "<field name=\"F2\"><pos range=\"7:0\"/></field></group></device>"
    "</file>";

void StartedWindow::Start(const std::string& description, const std::vector<std::string>& arguments)
{
    std::filesystem::create_directory(programFolder);
    if (!description.empty()) std::ofstream(programFolder + "/VelkEval.xml", std::ios::binary) << description;
    window.setPorts(ports);
    window.setProgramFolder(programFolder);
    window.FormLoad(arguments);
}

QStringList Texts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* entry : menu.actions()) texts << entry->text();
    return texts;
}
