// SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Player inputs per second through the engine in random play, without the
// driver's parsing and JSON: a recorded random session is replayed against a
// fresh game with the same seed, so every run meets the same states.
#include "driver/random_player.h"
#include "driver/script.h"

#include "core/game.h"

#include <optional>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using swoonery::Game;
using swoonery::Input;

// On a RAM disk where there is one: the high-score file is written and
// flushed at every opening of the table, and a disk would measure the disk.
std::filesystem::path bench_folder() {
    const std::filesystem::path shm = "/dev/shm";
    auto dir = (std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) /
               "swoonery-bench";
    std::filesystem::create_directories(dir);
    return dir;
}

// A started game with the driver's stand-ins and chance seeded alike every time.
struct Session {
    swoonery::driver::ScriptRunner runner{bench_folder()};
    Game& game = runner.game();

    Session() {
        runner.rng().reseed(42);
        game.start();
    }
};

std::vector<Input> record(int count) {
    Session session;
    Game& game = session.game;
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
        state.ResumeTiming();
        for (const Input& in : inputs) {
            session.game.apply(in);
        }
        given += static_cast<long long>(inputs.size());
        benchmark::DoNotOptimize(session.game.state().heart_value);
    }
    state.counters["inputs/s"] =
        benchmark::Counter(static_cast<double>(given), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomPlay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
