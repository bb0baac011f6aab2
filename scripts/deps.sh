#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, only when one is missing.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
          libgtest-dev libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi
