// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <gtest/gtest.h>

namespace {

// The first of the desktop's languages with a translation wins; Spanish,
// the program's own, needs none and ends the search.
TEST(Translation, FirstWantedLanguageThatHasOne)
{
    const struct {
        QStringList wanted;
        const char* chosen;
    } cases[] = {
        {{"en-US"}, "en"},
        {{"ca-ES", "en-GB"}, "ca"},
        {{"de-DE", "fr-FR", "ca"}, "ca"},
        {{"es-MX", "en-US"}, ""},
        {{"de-DE", "es-ES", "en-US"}, ""},
        {{"ja-JP"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translationFor(c.wanted), QString::fromUtf8(c.chosen)) << c.wanted.join(' ').toStdString();
}

}  // namespace
