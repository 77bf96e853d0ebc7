// A bounded picture of a planning run for the treasury chart. However many
// turns a run takes, the recorder keeps at most a fixed number of buckets of
// consecutive turns; each bucket keeps the turns with the lowest and highest
// gold and mana, so a dip is never averaged away. Every plan line's first and
// last turn and the run's last turn are kept exactly.
#pragma once

#include "turn_observer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zef {

// One recorded turn: TurnRecord without the unit's name, which the line holds.
struct TurnSample {
    std::int32_t turn = 0;
    std::int32_t fileLine = 0;
    double gold = 0;
    double mana = 0;
    double goldUpkeep = 0;
    double manaUpkeep = 0;
    double goldIncome = 0;
    double manaIncome = 0;
    double damage = 0;

    friend bool operator==(const TurnSample&, const TurnSample&) = default;
};

// A plan line that took turns, in the order recruited.
struct RecordedLine {
    std::int32_t fileLine = 0;
    std::string unit;  // Windows-1250
    TurnSample first;
    TurnSample last;

    friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};

// What a run left for the chart: samples in turn order, each turn once.
struct TurnRecording {
    std::vector<TurnSample> samples;
    std::vector<RecordedLine> lines;

    bool empty() const { return samples.empty(); }
    // The run's last simulated turn.
    std::optional<TurnSample> lastTurn() const;

    friend bool operator==(const TurnRecording&, const TurnRecording&) = default;
};

class TurnRecorder : public TurnObserver {
public:
    // Enough for a chart a few thousand pixels wide: up to four samples a bucket.
    static constexpr std::size_t kDefaultBuckets = 1024;

    explicit TurnRecorder(std::size_t maxBuckets = kDefaultBuckets);

    void observe(const TurnRecord& record) override;
    // Forgets the run so far for the next one but keeps the storage of its
    // buckets and lines, so that a recorder kept from run to run does not
    // allocate them again.
    void reset();

    TurnRecording recording() const;
    // The same into `into`, whose vectors are refilled: a recording the
    // caller keeps takes the next run's without allocating once it has held
    // one as large.
    void recording(TurnRecording& into) const;
    // The heap and object bytes the recorder holds now.
    std::size_t memoryBytes() const;

private:
    struct Bucket {
        TurnSample goldLow;
        TurnSample goldHigh;
        TurnSample manaLow;
        TurnSample manaHigh;
    };
    static void Absorb(Bucket& into, const TurnSample& sample);
    static void Absorb(Bucket& into, const Bucket& other);
    void Halve();

    std::size_t maxBuckets_;
    std::vector<Bucket> buckets_;
    std::vector<RecordedLine> lines_;
    std::int32_t firstTurn_ = 0;
    int shift_ = 0;  // a bucket spans 2^shift_ turns
};

}  // namespace zef
