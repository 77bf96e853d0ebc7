#include "turn_recorder.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zef {

namespace {

TurnSample SampleOf(const TurnRecord& r)
{
    return {r.turn, r.fileLine, r.gold, r.mana, r.goldUpkeep, r.manaUpkeep, r.goldIncome, r.manaIncome, r.damage};
}

}  // namespace

std::optional<TurnSample> TurnRecording::lastTurn() const
{
    if (lines.empty()) {
        return std::nullopt;
    }
    return lines.back().last;
}

TurnRecorder::TurnRecorder(std::size_t maxBuckets) : maxBuckets_(std::max<std::size_t>(maxBuckets, 2))
{
    buckets_.reserve(maxBuckets_);
}

void TurnRecorder::Absorb(Bucket& into, const TurnSample& s)
{
    if (s.gold < into.goldLow.gold) {
        into.goldLow = s;
    }
    if (s.gold > into.goldHigh.gold) {
        into.goldHigh = s;
    }
    if (s.mana < into.manaLow.mana) {
        into.manaLow = s;
    }
    if (s.mana > into.manaHigh.mana) {
        into.manaHigh = s;
    }
}

void TurnRecorder::Absorb(Bucket& into, const Bucket& other)
{
    Absorb(into, other.goldLow);
    Absorb(into, other.goldHigh);
    Absorb(into, other.manaLow);
    Absorb(into, other.manaHigh);
}

// Merges neighbouring buckets pairwise, so each spans twice the turns.
void TurnRecorder::Halve()
{
    const std::size_t kept = (buckets_.size() + 1) / 2;
    for (std::size_t i = 0; i < kept; ++i) {
        Bucket merged = buckets_[2 * i];
        if (2 * i + 1 < buckets_.size()) {
            Absorb(merged, buckets_[2 * i + 1]);
        }
        buckets_[i] = merged;
    }
    buckets_.resize(kept);
    ++shift_;
}

void TurnRecorder::observe(const TurnRecord& record)
{
    const TurnSample sample = SampleOf(record);
    if (lines_.empty() || lines_.back().fileLine != record.fileLine) {
        if (lines_.empty()) {
            firstTurn_ = record.turn;
        }
        lines_.push_back({record.fileLine, std::string(record.unit), sample, sample});
    }
    lines_.back().last = sample;

    // Turns arrive in order and without gaps, so a turn belongs to the last
    // bucket or opens the next one.
    const auto offset = static_cast<std::uint32_t>(record.turn) - static_cast<std::uint32_t>(firstTurn_);
    std::size_t index = offset >> shift_;
    if (index < buckets_.size()) {
        Absorb(buckets_[index], sample);
        return;
    }
    if (buckets_.size() == maxBuckets_) {
        Halve();
        index = offset >> shift_;
        if (index < buckets_.size()) {
            Absorb(buckets_[index], sample);
            return;
        }
    }
    buckets_.push_back({sample, sample, sample, sample});
}

void TurnRecorder::reset()
{
    buckets_.clear();
    lines_.clear();
    firstTurn_ = 0;
    shift_ = 0;
}

TurnRecording TurnRecorder::recording() const
{
    TurnRecording out;
    recording(out);
    return out;
}

void TurnRecorder::recording(TurnRecording& into) const
{
    into.lines = lines_;
    into.samples.clear();
    into.samples.reserve(buckets_.size() * 4 + lines_.size() * 2);
    // The buckets follow one another in turn order, and so do the plan lines'
    // first and last turns: merged as they come, the samples are in turn
    // order without a sort, and a turn met again is the last one kept.
    const auto keep = [&into](const TurnSample& sample) {
        if (into.samples.empty() || into.samples.back().turn < sample.turn) {
            into.samples.push_back(sample);
        }
    };
    std::size_t bound = 0;  // the next line end: each line's first, then its last turn
    const auto keepLineEndsUpTo = [&](std::int32_t turn) {
        for (; bound < 2 * lines_.size(); ++bound) {
            const RecordedLine& line = lines_[bound / 2];
            const TurnSample& end = bound % 2 == 0 ? line.first : line.last;
            if (end.turn > turn) {
                return;
            }
            keep(end);
        }
    };
    const auto byTurn = [](const TurnSample* a, const TurnSample* b) { return a->turn < b->turn; };
    for (const Bucket& b : buckets_) {
        std::array<const TurnSample*, 4> inBucket{&b.goldLow, &b.goldHigh, &b.manaLow, &b.manaHigh};
        std::sort(inBucket.begin(), inBucket.end(), byTurn);
        for (const TurnSample* sample : inBucket) {
            keepLineEndsUpTo(sample->turn);
            keep(*sample);
        }
    }
    keepLineEndsUpTo(std::numeric_limits<std::int32_t>::max());
}

std::size_t TurnRecorder::memoryBytes() const
{
    std::size_t bytes = sizeof(*this) + buckets_.capacity() * sizeof(Bucket) + lines_.capacity() * sizeof(RecordedLine);
    for (const RecordedLine& line : lines_) {
        bytes += line.unit.capacity() > 15 ? line.unit.capacity() + 1 : 0;
    }
    return bytes;
}

}  // namespace zef
