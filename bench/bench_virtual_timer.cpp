// What a simulated minute of the main loop costs on the virtual desktop: a 500 ms timer alone,
// and the same timer with a handler that pauses with events (the way captures wait), side by side.

#include "platform/System.h"
#include "platform/virtual/VirtualProgram.h"

#include <benchmark/benchmark.h>

namespace scorlet {
namespace {

constexpr uint32_t SimulatedMinuteMs = 60000;

void SimulatedMinute(benchmark::State& state, bool pauseInHandler)
{
    int64_t ticks = 0;
    for (auto _ : state) {
        VirtualDesktop desktop;
        auto program = desktop.startProgram("ScorletS");
        Form& form = program->createForm("frmZ");
        Timer& timer = form.addTimer("Timer1");
        timer.onTimer = [&] {
            ++ticks;
            if (pauseInHandler)
                PauseWithEvents(*program, 0.2);
        };
        timer.setInterval(500);
        timer.setEnabled(true);
        desktop.runFor(SimulatedMinuteMs);
    }
    state.counters["ticks_per_minute"] = benchmark::Counter(static_cast<double>(ticks) / state.iterations());
    state.counters["simulated_ms"] =
        benchmark::Counter(static_cast<double>(SimulatedMinuteMs) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_SimulatedMinuteTimerOnly(benchmark::State& state) { SimulatedMinute(state, false); }
void BM_SimulatedMinuteTimerWithPauses(benchmark::State& state) { SimulatedMinute(state, true); }

BENCHMARK(BM_SimulatedMinuteTimerOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SimulatedMinuteTimerWithPauses)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace scorlet
