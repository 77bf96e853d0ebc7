#include "plan_chart.h"

#include "chart_window_core.h"
#include "run_plan.h"
#include "turn_recorder.h"

namespace zef {

namespace {

// The chart's recorder, and the other observer after it.
class ChartAndObserver : public TurnObserver {
public:
    explicit ChartAndObserver(TurnObserver* next) : next_(next) {}

    void observe(const TurnRecord& record) override
    {
        recorder.observe(record);
        if (next_) {
            next_->observe(record);
        }
    }
    void finished(const Treasury& treasury, std::int32_t turns) override
    {
        if (next_) {
            next_->finished(treasury, turns);
        }
    }

    TurnRecorder recorder;

private:
    TurnObserver* next_;
};

}  // namespace

std::string RunPlanForChart(PlanningState& state, const PlanInputs& inputs, TurnObserver* observer)
{
    ChartAndObserver observers(observer);
    RunPlan(state, inputs.catalogue, inputs.plan, {}, &observers);
    return ChartSvg(MakeChartModel(observers.recorder.recording()), kChartWidth, kChartHeight);
}

}  // namespace zef
