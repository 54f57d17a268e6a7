// The fifty-draw burst of the right button, through the whole core with a recording window.
#include "bench/benchmarks.h"
#include "game/game.h"
#include "tests/support/recording_window.h"

namespace escartinol::bench {

void RepeatedDrawBench(benchmark::State& state) {
    testing::CRecordingWindow window;
    CGame game(window, ListDir(), kDrawSeed);
    game.Start();
    game.LoadLists();
    for (auto _ : state) game.RepeatedDraw();
}

}  // namespace escartinol::bench
