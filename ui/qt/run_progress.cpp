#include "run_progress.h"

#include "qt_text.h"
#include "window_texts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <memory>

namespace zef {

namespace {

struct ProgressState {
    QElapsedTimer clock;
    std::unique_ptr<QProgressDialog> dialog;
};

}  // namespace

PlanProgress ProgressDialogHook(QWidget* window, std::chrono::milliseconds delay)
{
    auto state = std::make_shared<ProgressState>();
    state->clock.start();
    return [window, delay, state](std::uint64_t turnsDone, std::uint64_t turnsTotal) {
        if (!state->dialog && std::chrono::milliseconds(state->clock.elapsed()) >= delay) {
            state->dialog = std::make_unique<QProgressDialog>(FromUtf8(kProgressText), FromUtf8(kCancelButton), 0,
                                                              kProgressSteps, window);
            state->dialog->setWindowModality(Qt::WindowModal);
            state->dialog->setMinimumDuration(0);
            state->dialog->show();
        }
        if (!state->dialog) {
            // Repaint, but keep clicks and keys for after the run.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        }
        state->dialog->setValue(ProgressStepsDone(turnsDone, turnsTotal));
        QCoreApplication::processEvents();
        return !state->dialog->wasCanceled();
    };
}

}  // namespace zef
