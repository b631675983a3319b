// SPDX-License-Identifier: GPL-3.0-or-later
// Key sequences into the real window: each input byte is one step of a user
// session (a key, a paste, a move to another field, a solve) on a fresh
// window, offscreen; a broken property of the fields aborts the run.

#include "field_session.h"
#include "fuzz_check.h"

#include <QApplication>
#include <QLocale>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Never destroyed: libFuzzer ends the process through exit(), after Qt's own
// statics may be gone.
QApplication* application = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RecordingPlatform platform;
    Form1 form(platform);
    form.show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    FieldSession session(form, platform);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::string failure = session.step(data[i]);
        require(failure.empty(), failure.c_str(), input);
    }
    return 0;
}
