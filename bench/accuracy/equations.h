// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A seeded generator of hard equations for the accuracy benchmark, written
// as the user would type them (',' as separator).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trx::accuracy {

struct Equation {
    const char* category;
    std::array<std::string, 4> fields;
};

// The categories, in the order of the report.
const std::vector<const char*>& categories();

// `perCategory` equations of each category; the same seed gives the same set.
std::vector<Equation> hardEquations(std::size_t perCategory, std::uint64_t seed);

}  // namespace trx::accuracy
