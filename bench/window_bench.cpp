// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the real window, offscreen: one filtered keystroke into the
// first coefficient field and one solve command, each from the event to the
// last text it writes.  Build it Release and run it without a display:
//   build/release-bench/bench/trx_window_bench

#include "recording_platform.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

// One shown, active window for every benchmark, as a user has it.
struct Window {
    RecordingPlatform platform;
    Form1 form{platform};

    Window()
    {
        form.show();
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            std::abort();
    }
    QLineEdit* field(int index) { return form.findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(index)); }
};

// Made by main, inside the QApplication's lifetime.
Window* sharedWindow = nullptr;

Window& window()
{
    return *sharedWindow;
}

double secondsSince(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double>(end - start).count();
}

// From the key press to the field's text changed.  The key release, the
// Backspace that restores the text and the window's own event handling
// (painting) stay outside the timing.
void keystroke(benchmark::State& state)
{
    QLineEdit* field = window().field(0);
    field->setFocus();
    field->setText(QStringLiteral("12"));
    field->end(false);

    Clock::time_point changed;
    const auto connection = QObject::connect(field, &QLineEdit::textChanged, [&changed] { changed = Clock::now(); });
    for (auto _ : state) {
        const Clock::time_point pressed = Clock::now();
        QTest::keyClick(field, Qt::Key_5);
        state.SetIterationTime(secondsSince(pressed, changed));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
    QObject::disconnect(connection);
    if (field->text() != QLatin1String("12"))
        state.SkipWithError("the digit was not typed and taken back");
}
BENCHMARK(keystroke)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A click on Calcular until every field is written: each iteration starts
// from the same typed equation, so each pays for the whole normalisation.
// Painting the result comes after, outside the timing.
void solveCommand(benchmark::State& state, std::array<const char*, 4> equation)
{
    Window& shared = window();
    auto* solveButton = shared.form.findChild<QAbstractButton*>(QStringLiteral("CmdCal"));
    for (auto _ : state) {
        for (int i = 0; i < 4; ++i)
            shared.field(i)->setText(QString::fromLatin1(equation[static_cast<std::size_t>(i)]));
        const Clock::time_point clicked = Clock::now();
        QTest::mouseClick(solveButton, Qt::LeftButton);
        state.SetIterationTime(secondsSince(clicked, Clock::now()));
        shared.platform.messages.clear();
        QCoreApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(solveCommand, two_real_roots, {"1", "-5", "6", "0"})->UseManualTime()->Unit(benchmark::kMicrosecond);
// Right side moved and the equation negated: every field is rewritten.
BENCHMARK_CAPTURE(solveCommand, normalised, {"-1", "5", "0", "6"})->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(solveCommand, irrational_roots, {"1", "2", "-1", "0"})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(solveCommand, complex_roots, {"1", "2", "5", "0"})->UseManualTime()->Unit(benchmark::kMicrosecond);
// The cancellation message (c − d beyond the double range), recorded instead
// of shown.
BENCHMARK_CAPTURE(solveCommand, cancelled, {"1", "0", "1E308", "-1E308"})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QApplication app(argc, argv);
    Window shown;
    sharedWindow = &shown;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
