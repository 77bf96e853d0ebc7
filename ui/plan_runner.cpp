#include "plan_runner.h"

#include "data_file.h"
#include "file_messages.h"
#include "run_plan.h"
#include "turn_budget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <memory>

namespace zef {

namespace {

constexpr int kProgressSteps = 1000;

}  // namespace

PlanRunner::PlanRunner(QWidget* window) : window_(window) {}

PlanRunOutcome PlanRunner::run(PlanningState& state)
{
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> dialog;
    const PlanProgress progress = [&](std::uint64_t turnsDone, std::uint64_t turnsTotal) {
        if (!dialog && std::chrono::milliseconds(clock.elapsed()) >= progressDelay_) {
            dialog = std::make_unique<QProgressDialog>(QStringLiteral("Počítám plán…"), QStringLiteral("Zrušit"), 0,
                                                       kProgressSteps, window_);
            dialog->setWindowModality(Qt::WindowModal);
            dialog->setMinimumDuration(0);
            dialog->show();
        }
        if (!dialog) {
            // Repaint, but keep clicks and keys for after the run.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        }
        const std::uint64_t total = turnsTotal ? turnsTotal : 1;
        dialog->setValue(static_cast<int>(std::min<std::uint64_t>(turnsDone, total) * kProgressSteps / total));
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    };

    TurnRecorder recorder;
    try {
        if (RunPlan(state, progress, &recorder) == PlanOutcome::Cancelled) {
            return {PlanRunResult::Cancelled, {}, {}};
        }
    } catch (const DataFileError& error) {
        return {
            PlanRunResult::Failed,
            UnreadableDataFileMessage(QString::fromLocal8Bit(error.fileName()), QString::fromLocal8Bit(error.reason())),
            {}};
    } catch (const PlanTooLong& refusal) {
        return {PlanRunResult::Failed, PlanTooLongMessage(refusal), {}};
    } catch (const std::exception& error) {
        return {PlanRunResult::Failed, QString::fromLocal8Bit(error.what()), {}};
    }
    return {PlanRunResult::Completed, {}, recorder.recording()};
}

}  // namespace zef
