# SPDX-License-Identifier: GPL-3.0-or-later
# Sanitizer, fuzzing and coverage builds.
#
# TRX_SANITIZE builds every target with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer; the first report ends the
# program, so a test that provokes one fails:
#   cmake -S . -B build/asan -G Ninja -DTRX_SANITIZE=ON
#
# TRX_BUILD_FUZZERS adds the libFuzzer targets under fuzz/; they need clang:
#   CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DTRX_BUILD_FUZZERS=ON
#
# TRX_COVERAGE instruments every target for line coverage: each test binary,
# and the program at its normal exit, add their counts to .gcda files beside
# the objects, which gcovr reads (scripts/test.sh prints the figures).  It
# compiles without optimisation, which would merge and move lines and so
# report lines as missed that did run.
option(TRX_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TRX_BUILD_FUZZERS "Build the libFuzzer targets under fuzz/ (needs clang)" OFF)
option(TRX_COVERAGE "Instrument every target for line coverage (gcov)" OFF)

if(TRX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TRX_COVERAGE)
  add_compile_options(--coverage -O0)
  add_link_options(--coverage)
endif()
