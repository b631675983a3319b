# SPDX-License-Identifier: GPL-3.0-or-later
# Sanitizer and fuzzing builds.
#
# TRX_SANITIZE builds every target with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer; the first report ends the
# program, so a test that provokes one fails:
#   cmake -S . -B build/asan -G Ninja -DTRX_SANITIZE=ON
#
# TRX_BUILD_FUZZERS adds the libFuzzer targets under fuzz/; they need clang:
#   CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DTRX_BUILD_FUZZERS=ON
option(TRX_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TRX_BUILD_FUZZERS "Build the libFuzzer targets under fuzz/ (needs clang)" OFF)

if(TRX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
