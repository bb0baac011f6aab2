#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: under each of the
# locales our users and tests work in, then the core's tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
bash scripts/build.sh
for loc in C hu_HU.UTF-8 en_US.UTF-8; do
  echo "== every test under LC_ALL=$loc"
  LC_ALL=$loc LANG=$loc ctest --test-dir build --output-on-failure -j "$(nproc)"
done
echo "== the core's tests under the sanitizers"
bash scripts/sanitized.sh
