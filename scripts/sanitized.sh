#!/usr/bin/env bash
# Builds the computing core, its tests and the fuzz target with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer into build-san/, and runs the
# core's tests there. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DNK_SANITIZE=ON -DNK_BUILD_FUZZ=ON -DNK_BUILD_GUI=OFF -DNK_BUILD_BENCH=OFF
cmake --build build-san
ctest --test-dir build-san --output-on-failure -j "$(nproc)"
