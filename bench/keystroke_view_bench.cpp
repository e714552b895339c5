// One keystroke at the end of the Tempo tab's first field when it already
// holds 10, 40 or 400 digits, through the real Qt view on the offscreen
// platform: the key event, the tab recomputed in the core, the field and the
// result labels brought up to date, and the event loop run until it is idle.
// Beside it, the same keystroke in a plain QLineEdit of the same size and
// font. The program should take at most 1.5 times the plain one at each length.
//
//   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DCADENZO_BENCH=ON
//   cmake --build build/bench --target cadenzo_view_bench
//   build/bench/bench/cadenzo_view_bench --benchmark_filter=LongField

#include "cadenzo.h"
#include "resetrun.h"
#include "startup.h"
#include "viewbench.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>

#include <memory>
#include <stdexcept>
#include <string>

namespace {

std::string Digits(benchmark::State& state)
{
    std::string digits;
    for (int i = 0; i < state.range(0); ++i)
        digits += static_cast<char>('1' + i % 9);
    return digits;
}

QLineEdit& Tempo1(QMainWindow& window)
{
    auto* field = window.findChild<QLineEdit*>("tempo1");
    if (field == nullptr)
        throw std::runtime_error("no tempo1 field");
    return *field;
}

void Stop()
{
    ResetRun();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void KeystrokeInALongFieldOfTheProgram(benchmark::State& state)
{
    QMainWindow& window = StartTheRealWindow();
    fw::ControlAs<fw::TabPanel>(Cadenzo(), "TabPanel1").SetValue(0);
    auto& tempo1 = fw::ControlAs<fw::EditField>(Cadenzo(), "tempo1");
    fw::ControlAs<fw::EditField>(Cadenzo(), "tempo2").SetText("140");
    QLineEdit* field = &Tempo1(window);
    const std::string digits = Digits(state);
    tempo1.SetText(digits);
    tempo1.SetFocus();
    field->end(false);
    QCoreApplication::processEvents();

    bool added = false;
    TypeOneKey(field, added);
    if (tempo1.Text() != digits + "2")
        state.SkipWithError("the keystroke did not reach the field");
    for (auto _ : state)
        TypeOneKey(field, added);
    Stop();
}
BENCHMARK(KeystrokeInALongFieldOfTheProgram)->Arg(10)->Arg(40)->Arg(400)->Unit(benchmark::kMicrosecond);

void KeystrokeInALongPlainQLineEdit(benchmark::State& state)
{
    auto window = std::make_unique<QWidget>();
    auto* field = new QLineEdit(window.get());
    {
        const QLineEdit& tempo1 = Tempo1(StartTheRealWindow());
        field->setFont(tempo1.font());
        field->setGeometry(tempo1.geometry());
        Stop();
    }
    window->resize(400, 400);
    window->show();
    field->setText(QString::fromStdString(Digits(state)));
    field->setFocus();
    field->end(false);
    QCoreApplication::processEvents();

    bool added = false;
    for (auto _ : state)
        TypeOneKey(field, added);
    window.reset();
}
BENCHMARK(KeystrokeInALongPlainQLineEdit)->Arg(10)->Arg(40)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace
