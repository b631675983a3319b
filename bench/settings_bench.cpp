// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file at its worst: about 50 MB of 3,000,000 keys of other
// programs before the program's own section.  Loading the settings (all of
// start-up's reading) and storing what Salir stores are set against reading
// the file's bytes once, and Salir also against replacing the file once.

#include "platform/settings_file.h"
#include "settings/settings_table.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kOtherKeys = 3'000'000;

// The folder that holds Trx/Trx.ini; XDG_CONFIG_HOME points there.
const QTemporaryDir& hugeSettings()
{
    static const QTemporaryDir folder = [] {
        QTemporaryDir made;
        QDir(made.path()).mkpath(QStringLiteral("Trx"));
        QFile file(made.filePath(QStringLiteral("Trx/Trx.ini")));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the settings file");
        std::string chunk;
        for (int key = 0; key < kOtherKeys; ++key) {
            if (key % 100'000 == 0)
                chunk += "[Otros" + std::to_string(key) + "]\n";
            chunk += "clave" + std::to_string(key) + "=valor\n";
            if (chunk.size() > (1 << 20) || key + 1 == kOtherKeys) {
                file.write(chunk.data(), static_cast<qint64>(chunk.size()));
                chunk.clear();
            }
        }
        file.write("[Valors]\nval1=2\nval2=3\nval3=-5\nval4=0\nlft=1500\ntp=1500\n");
        qputenv("XDG_CONFIG_HOME", made.path().toLocal8Bit());
        return made;
    }();
    return folder;
}

QString hugeFile()
{
    return hugeSettings().filePath(QStringLiteral("Trx/Trx.ini"));
}

void readFileOnce(benchmark::State& state)
{
    QFile file(hugeFile());
    for (auto _ : state) {
        file.open(QIODevice::ReadOnly);
        std::string text(static_cast<std::size_t>(file.size()), '\0');
        benchmark::DoNotOptimize(file.read(text.data(), static_cast<qint64>(text.size())));
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(readFileOnce)->Unit(benchmark::kMillisecond);

void loadSettings(benchmark::State& state)
{
    hugeSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(trx::loadSettings(SettingsFile(), ','));
}
BENCHMARK(loadSettings)->Unit(benchmark::kMillisecond);

void replaceFileOnce(benchmark::State& state)
{
    QFile file(hugeFile());
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.readAll();
    for (auto _ : state) {
        QSaveFile replaced(hugeFile());
        replaced.open(QIODevice::WriteOnly);
        replaced.write(text);
        benchmark::DoNotOptimize(replaced.commit());
    }
}
BENCHMARK(replaceFileOnce)->Unit(benchmark::kMillisecond);

// A first field that changes at each Salir, as typed; with `changedBetween`
// the file was written by someone else since, so Salir reads it again.
void storeOnExit(benchmark::State& state, bool changedBetween)
{
    hugeSettings();
    SettingsFile store;
    trx::StoredSettings values = trx::loadSettings(store, ',');
    int typed = 0;
    for (auto _ : state) {
        if (changedBetween) {
            state.PauseTiming();
            QFile file(hugeFile());
            file.open(QIODevice::ReadWrite);
            file.setFileTime(QDateTime::currentDateTime().addSecs(typed), QFileDevice::FileModificationTime);
            state.ResumeTiming();
        }
        values.coefficients[0] = std::to_string(++typed % 10);
        if (!trx::storeSettings(store, values, trx::SettingsWriter::ExitCommand))
            state.SkipWithError("the settings could not be stored");
    }
}
BENCHMARK_CAPTURE(storeOnExit, unchanged, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(storeOnExit, changed_by_another, true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
