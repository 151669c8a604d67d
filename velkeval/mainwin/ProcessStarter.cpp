#include "ProcessStarter.h"

#include <QProcess>
#include <QStringList>

namespace velk {

bool QtProcessStarter::StartDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList words;
    for (const std::string& word : arguments) words << QString::fromStdString(word);
    return QProcess::startDetached(QString::fromStdString(program), words);
}

}  // namespace velk
