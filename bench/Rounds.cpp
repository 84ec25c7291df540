#include "bench/Rounds.h"

namespace corvane::bench {

namespace {

template <typename Run, typename Value>
Spread SpreadOver(const std::vector<Run>& runs, Value value)
{
    std::vector<double> values;
    for (const Run& run : runs)
        values.push_back(value(run));
    return SpreadOf(values);
}

}  // namespace

Spread Rounds::FloorSeconds() const
{
    return SpreadOver(floors, [](const FloorRun& f) { return f.Seconds(); });
}

Spread Rounds::FloorReadSeconds() const
{
    return SpreadOver(floors, [](const FloorRun& f) { return f.readSeconds; });
}

Spread Rounds::FloorWriteSeconds() const
{
    return SpreadOver(floors, [](const FloorRun& f) { return f.writeSeconds; });
}

Spread Rounds::Seconds(std::size_t command) const
{
    return SpreadOver(runs[command], [](const ChildRun& c) { return c.wallSeconds; });
}

Spread Rounds::PeakRssBytes(std::size_t command) const
{
    return SpreadOver(runs[command], [](const ChildRun& c) { return static_cast<double>(c.peakRssBytes); });
}

Spread Rounds::CpuSeconds(std::size_t command) const
{
    return SpreadOver(runs[command], [](const ChildRun& c) { return c.cpuSeconds; });
}

Spread Rounds::Fsyncs(std::size_t command) const
{
    return SpreadOver(runs[command], [](const ChildRun& c) { return static_cast<double>(c.fsyncs); });
}

Spread Rounds::OverFloor(std::size_t command) const
{
    std::vector<double> ratios;
    for (std::size_t r = 0; r < floors.size(); ++r)
        ratios.push_back(runs[command][r].wallSeconds / floors[r].Seconds());
    return SpreadOf(ratios);
}

Rounds MeasureRounds(int rounds, const std::function<FloorRun()>& floor, const std::vector<TimedCommand>& commands,
                     const std::string& log, FloorOrder order, const std::function<std::string()>& check)
{
    Rounds result;
    result.runs.resize(commands.size());
    for (int r = 0; r < rounds; ++r) {
        const bool floorLast = order == FloorOrder::Alternating && r % 2 == 1;
        FloorRun f;
        if (!floorLast)
            f = floor();
        std::vector<ChildRun> children;
        for (const auto& command : commands)
            children.push_back(RunChild(command.argv, log));
        if (floorLast)
            f = floor();
        for (std::size_t c = 0; c < commands.size(); ++c) {
            if (children[c].exitCode != 0) {
                result.error = commands[c].name + " failed: " + children[c].output;
                return result;
            }
        }
        if (!f.ok) {
            result.error = "the I/O floor failed";
            return result;
        }
        if (check) {
            result.error = check();
            if (!result.error.empty())
                return result;
        }
        result.floors.push_back(f);
        for (std::size_t c = 0; c < commands.size(); ++c)
            result.runs[c].push_back(children[c]);
    }
    return result;
}

}  // namespace corvane::bench
