// How long the program takes to start (the application object, the menu bar
// and the main window with its 115 controls, then the open events) and to
// answer one keystroke and one tap, without a display: the work that is ours,
// not Qt's.
//
//   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DCADENZO_BENCH=ON
//   cmake --build build/bench --target cadenzo_bench && build/bench/bench/cadenzo_bench

#include "application.h"
#include "cadenzo.h"
#include "control.h"
#include "graphics.h"
#include "resetrun.h"
#include "startup.h"
#include "system.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

class SizedPictures : public fw::ResourceFork {
public:
    fw::PicturePtr GetPicture(int /*id*/) override { return std::make_shared<fw::Picture>(); }
};

std::unique_ptr<fw::ResourceFork> MakePictures() { return std::make_unique<SizedPictures>(); }

void UseATemporaryConfigFolder()
{
    static const std::filesystem::path folder = std::filesystem::temp_directory_path() / "cadenzo-bench";
    std::filesystem::create_directories(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    fw::SetResourceForkFactory(&MakePictures);
}

void StartToOpenWindow(benchmark::State& state)
{
    UseATemporaryConfigFolder();
    for (auto _ : state) {
        StartUp();
        fw::RuntimeStartLoop();
        benchmark::DoNotOptimize(Cadenzo().ControlByName("tempo1"));
        state.PauseTiming();
        ResetRun();
        state.ResumeTiming();
    }
}
BENCHMARK(StartToOpenWindow)->Unit(benchmark::kMicrosecond);

void KeystrokeOnTheTempoTab(benchmark::State& state)
{
    UseATemporaryConfigFolder();
    StartUp();
    fw::RuntimeStartLoop();
    auto& tempo1 = fw::ControlAs<fw::EditField>(Cadenzo(), "tempo1");
    fw::ControlAs<fw::EditField>(Cadenzo(), "tempo2").SetText("140");
    bool odd = false;
    for (auto _ : state) {
        tempo1.SetText(odd ? "120" : "121");
        odd = !odd;
    }
    ResetRun();
}
BENCHMARK(KeystrokeOnTheTempoTab)->Unit(benchmark::kMicrosecond);

// A tap with a full history: the mean over 32 gaps and the tempo shown.
void TapOnThePad(benchmark::State& state)
{
    UseATemporaryConfigFolder();
    StartUp();
    fw::RuntimeStartLoop();
    std::int32_t now = 1000;
    fw::SetTickSource([&now] { return now; });
    auto& pad = fw::ControlAs<fw::BevelButton>(Cadenzo(), "TapButton");
    for (auto _ : state) {
        now += 30;
        pad.MouseDown(1, 1);
    }
    fw::SetTickSource(nullptr);
    ResetRun();
}
BENCHMARK(TapOnThePad)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
