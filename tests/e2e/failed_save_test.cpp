// SPDX-License-Identifier: GPL-3.0-or-later
// Salir when the settings cannot be saved, on a real filesystem: the user is
// told, and the window stays with the values typed.

#include "desktop.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    QStringList block;    // a command run on the settings file's path, appended
    QStringList unblock;  // undoes it, so the folder can be removed
};

const Case kCases[] = {
    // A line that QSettings could not parse hid the failure of the write.
    {"ImmutableFileWithAComment", {"chattr", "+i"}, {"chattr", "-i"}},
    // A lock that cannot be removed once made Salir wait for ever.
    {"LockThatStays", {"sh", "-c", "mkdir \"$0.lock\""}, {"true"}},
};

class FailedSave : public ::testing::TestWithParam<Case> { };

TEST_P(FailedSave, IsToldAndTheWindowStays)
{
    const Case& c = GetParam();
    Session session({}, QStringLiteral("# mis coeficientes\n[Valors]\nval1=2\nval2=3\nval3=-5\nval4=0\n"));
    const auto onFile = [&session](QStringList command) {
        const QString program = command.takeFirst();
        return QProcess::execute(program, command << session.settingsFile()) == 0;
    };
    if (!onFile(c.block))
        GTEST_SKIP() << "cannot make the condition here (" << c.block.join(' ').toStdString()
                     << " failed: root and a filesystem with file attributes are needed)";
    session.play(QStringLiteral("7 ctrl+s @box:Error Return @box:Trinomix"));
    EXPECT_EQ(session.ending().toStdString(), "");
    onFile(c.unblock);
    EXPECT_EQ(session.storedFields().join('|').toStdString(), "2|3|-5|0");
}

INSTANTIATE_TEST_SUITE_P(Desktop, FailedSave, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
