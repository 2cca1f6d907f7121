// Player inputs per second through the engine in random play, without the
// driver's parsing and JSON: a recorded random session is replayed against a
// fresh game with the same seed, so every run meets the same states.
#include "driver/random_player.h"

#include "core/game.h"
#include "core/services.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using swoonery::Game;

class NoBrowser final : public swoonery::BrowserInterface {
public:
    swoonery::BrowserResult open(std::string_view) override { return swoonery::BrowserResult::Opened; }
};

class BigDesktop final : public swoonery::DesktopInterface {
public:
    swoonery::DesktopSize size() override { return {1024, 768}; }
};

struct Input {
    enum class Kind { Click, Select, Slide, Type, Close } kind;
    std::string window;
    std::string control;
    int value = 0;
    std::string text;
};

// Turns a driver command written by the random player back into an input.
Input parse(const std::string& cmd) {
    Input in{};
    const auto sp = cmd.find(' ');
    const std::string verb = cmd.substr(0, sp);
    std::string rest = cmd.substr(sp + 1);
    std::string target = rest.substr(0, rest.find(' '));
    const std::string arg = rest.find(' ') == std::string::npos ? "" : rest.substr(rest.find(' ') + 1);
    const auto dot = target.find('.');
    in.window = target.substr(0, dot);
    in.control = dot == std::string::npos ? "" : target.substr(dot + 1);
    if (verb == "click") {
        in.kind = Input::Kind::Click;
    } else if (verb == "select") {
        in.kind = Input::Kind::Select;
        in.value = std::stoi(arg);
    } else if (verb == "slide") {
        in.kind = Input::Kind::Slide;
        in.value = std::stoi(arg);
    } else if (verb == "type") {
        in.kind = Input::Kind::Type;
        in.text = arg;
    } else {
        in.kind = Input::Kind::Close;
    }
    return in;
}

struct Session {
    std::filesystem::path dir;
    swoonery::SilentSound sound;
    NoBrowser browser;
    BigDesktop desktop;
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
        inputs.push_back(parse(player.step(game)));
    }
    return inputs;
}

void apply(Game& game, const Input& in) {
    switch (in.kind) {
    case Input::Kind::Click:
        game.click(in.window, in.control);
        break;
    case Input::Kind::Select:
        game.select(in.window, in.control, in.value);
        break;
    case Input::Kind::Slide:
        game.slide(in.window, in.control, in.value);
        break;
    case Input::Kind::Type:
        game.type(in.window, in.control, in.text);
        break;
    case Input::Kind::Close:
        game.close(in.window);
        break;
    }
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
            apply(game, in);
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
