// Player inputs per second through the engine in random play, without the
// driver's parsing and JSON: a recorded random session is replayed against a
// fresh game with the same seed, so every run meets the same states.
#include "driver/random_player.h"
#include "driver/recording_services.h"

#include "core/game.h"
#include "core/services.h"

#include <optional>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using swoonery::Game;
using swoonery::Input;

struct Session {
    std::filesystem::path dir;
    swoonery::SilentSound sound;
    swoonery::driver::ScriptedBrowser browser;
    swoonery::driver::FixedDesktop desktop;
    swoonery::SeededRandom rng{42};

    Session() {
        // On a RAM disk where there is one: the high-score file is written and
        // flushed at every opening of the table, and a disk would measure the disk.
        const std::filesystem::path shm = "/dev/shm";
        dir = (std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) /
              "swoonery-bench";
        std::filesystem::create_directories(dir);
    }
    swoonery::Services services() {
        swoonery::Services s{sound, browser, desktop, rng};
        s.data_dir = dir;
        return s;
    }
};

std::vector<Input> record(int count) {
    Session session;
    Game game(session.services());
    game.start();
    swoonery::driver::RandomPlayer player(7);
    std::vector<Input> inputs;
    while (static_cast<int>(inputs.size()) < count && game.running()) {
        const std::optional<Input> input = player.next(game);
        if (!input) {
            break;
        }
        game.apply(*input);
        inputs.push_back(*input);
    }
    return inputs;
}

void BM_RandomPlay(benchmark::State& state) {
    const std::vector<Input> inputs = record(20000);
    long long given = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Session session;
        Game game(session.services());
        game.start();
        state.ResumeTiming();
        for (const Input& in : inputs) {
            game.apply(in);
        }
        given += static_cast<long long>(inputs.size());
        benchmark::DoNotOptimize(game.state().heart_value);
    }
    state.counters["inputs/s"] =
        benchmark::Counter(static_cast<double>(given), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomPlay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
