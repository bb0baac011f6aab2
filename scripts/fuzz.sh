#!/usr/bin/env bash
# A bounded run of the settings-file fuzzer (built by scripts/sanitized.sh)
# from the seed corpus; a crash, a leak or undefined behaviour fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
./build-san/fuzz/settings_file_fuzzer -max_total_time="$seconds" -print_final_stats=1 "$work" fuzz/corpus
