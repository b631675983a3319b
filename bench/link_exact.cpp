// SPDX-License-Identifier: GPL-3.0-or-later
// Built into a start-up probe to load GMP and MPFR at start-up, as the
// program does: references that no linker may drop, whatever its --as-needed.

#include <gmp.h>
#include <mpfr.h>

extern void (*const gmpLinked)(mpz_ptr);
extern void (*const mpfrLinked)(mpfr_ptr);
void (*const gmpLinked)(mpz_ptr) = &mpz_init;
void (*const mpfrLinked)(mpfr_ptr) = &mpfr_init;
