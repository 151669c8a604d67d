// Loaded into a Qt program with LD_PRELOAD, so that a test can see what the
// program shows without a display: once the program's event loop runs and a
// window is on screen, prints the caption of every visible top-level window,
// one "window: CAPTION" line each, and ends the process at once.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

namespace {

void ReportWindows()
{
    bool shown = false;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        std::printf("window: %s\n", widget->windowTitle().toUtf8().constData());
        shown = true;
    }
    if (!shown) {
        QTimer::singleShot(20, QCoreApplication::instance(), ReportWindows);
        return;
    }
    std::fflush(stdout);
    std::_Exit(0);  // the test needs nothing more of the program
}

// Runs when the application object is made: the report waits in its queue.
void QueueReport()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), ReportWindows, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(QueueReport)
