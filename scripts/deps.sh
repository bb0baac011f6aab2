#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, only when one is missing,
# and generates the locales the tests run under.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
          libgtest-dev libbenchmark-dev locales clang libfuzzer-14-dev poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi

# Our users work under hu_HU.UTF-8; the tests also run under en_US.UTF-8 and C.
generate=0
for loc in hu_HU.UTF-8 en_US.UTF-8; do
  if ! locale -a 2>/dev/null | grep -qix "${loc/UTF-8/utf8}"; then
    sed -i "s/^# *\(${loc} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${loc} UTF-8" /etc/locale.gen || echo "${loc} UTF-8" >> /etc/locale.gen
    generate=1
  fi
done
if [ "$generate" = 1 ]; then locale-gen; fi
