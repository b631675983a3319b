// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuzz targets' assertion: a broken property aborts the run, so that
// libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline void require(bool holds, const char* property, std::string_view input)
{
    if (!holds) {
        std::fprintf(stderr, "%s: \"%.*s\"\n", property, static_cast<int>(input.size()), input.data());
        std::abort();
    }
}
