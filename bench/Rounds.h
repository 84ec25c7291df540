#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "bench/ChildProcess.h"
#include "bench/IoFloor.h"
#include "bench/Stats.h"

namespace corvane::bench {

// A command that the rounds run, and its name in an error.
struct TimedCommand {
    std::string name;
    std::vector<std::string> argv;
};

// Where the I/O floor stands in a round: before the commands, or before them
// and after them in turn, so that neither profits from the other's warm caches.
enum class FloorOrder { First, Alternating };

// What the rounds measured, run by run.
struct Rounds {
    std::vector<FloorRun> floors;
    std::vector<std::vector<ChildRun>> runs;  // [command][round]
    std::string error;                        // "" when every run succeeded

    Spread FloorSeconds() const;
    Spread FloorReadSeconds() const;
    Spread FloorWriteSeconds() const;
    Spread Seconds(std::size_t command) const;
    Spread PeakRssBytes(std::size_t command) const;
    Spread CpuSeconds(std::size_t command) const;
    Spread Fsyncs(std::size_t command) const;
    // Each run over the floor measured in its round.
    Spread OverFloor(std::size_t command) const;
};

// `rounds` rounds of the I/O floor (`floor`) and every command once, their
// output in `log`. `check`, when given, runs after each round and says what
// is wrong ("" when nothing); the first failure ends the rounds, and the
// figures are those of the rounds before it.
Rounds MeasureRounds(int rounds, const std::function<FloorRun()>& floor, const std::vector<TimedCommand>& commands,
                     const std::string& log, FloorOrder order,
                     const std::function<std::string()>& check = std::function<std::string()>());

}  // namespace corvane::bench
