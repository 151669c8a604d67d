#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// Answers the modal dialogs a call opens, one step per dialog as it comes up:
// every few milliseconds the active modal widget is looked at, and each time
// a different one is on top the next step runs on it. A dialog left waiting
// for a step that never comes is rejected after a few seconds, so a test
// fails instead of hanging.
class ModalScript {
public:
    using Step = std::function<void(QWidget&)>;

    explicit ModalScript(std::initializer_list<Step> steps) : steps_(steps) { Schedule(); }
    ~ModalScript() { *alive_ = false; }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Whether every step ran.
    bool done() const { return steps_.empty(); }

private:
    static constexpr int IntervalMs = 10;
    static constexpr int GiveUpAfterTicks = 500;

    void Schedule()
    {
        QTimer::singleShot(IntervalMs, [this, alive = alive_] {
            if (*alive) Tick();
        });
    }

    void Tick()
    {
        QWidget* top = QApplication::activeModalWidget();
        if (top && top != last_ && !steps_.empty()) {
            last_ = top;
            ticks_ = 0;
            Step step = std::move(steps_.front());
            steps_.pop_front();
            Schedule();  // before the step, which may open a dialog of its own
            step(*top);
            return;
        }
        if (top && ++ticks_ > GiveUpAfterTicks) {
            ADD_FAILURE() << "a modal dialog was left without a step: " << top->windowTitle().toStdString();
            if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
            ticks_ = 0;
        }
        if (!steps_.empty() || top) Schedule();
    }

    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    int ticks_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
