// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two solutions of a quadratic equation, exact, and how a textbook
// writes them: 3/2, ±√2, (−1 ± √5)/2, −1/2 ± (3/2)i.

#include "worked/notation.h"

namespace trx::worked {

// x = centre ± √square, as any method finds them; square < 0 for complex
// solutions.
struct Solutions {
    mpq_class centre;
    mpq_class square;
};

// rational + coefficient·ω, where ω is the root of the solutions (√r, or i√r
// when they are complex).
struct Surd {
    mpq_class rational;
    mpq_class coefficient;
};

// The solutions as p ± q·ω with q ≥ 0; with no ω (a whole root) they are p ± q.
struct Roots {
    mpq_class p, q;
    mpz_class r = 1;
    bool imaginary = false;
    bool complete = true;  // r is known to have no square factor

    // The simplest form: every method's solutions end up here.
    static Roots of(const Solutions& solutions);

    bool hasRoot() const { return q != 0 && (r != 1 || imaginary); }
    bool isDouble() const { return q == 0; }
    // √r of real roots; scaledOmega writes imaginary ones with their i.
    Node omega() const;
    // q·ω for q > 0: 2√2, √5/2, 2i, (3/2)i, (√3/2)i.
    Node scaledOmega(const mpq_class& factor) const;
    // ±q·ω alone, or ±q: what the square root of a square gives.
    Node plusMinus() const;
    // p ± q·ω; real roots over one denominator, complex ones as real part and
    // imaginary part.
    Node rootNode(const std::string& between) const;
    Node rootNode(int sign) const { return rootNode(sign > 0 ? "+" : "−"); }
    // x − x₁, written out: x + 1 − √2 rather than x − (−1 + √2).
    Node linearFactor(int sign) const;
    Surd root(int sign) const;
    Surd times(const Surd& left, const Surd& right) const;
    Node surdNode(const Surd& value) const;
};

}  // namespace trx::worked
