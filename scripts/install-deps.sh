#!/usr/bin/env bash
# Installs the Debian 12 packages Orvik needs to build, run and test, when they are missing.
# Idempotent; runs as root or through sudo. --full adds what the fuzz harnesses need (clang and libFuzzer).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev libqt6sql6-sqlite libqt6sql6-psql libqt6opengl6-dev
  libxlsxwriter-dev libfreexl-dev fonts-liberation
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth unzip
  postgresql
)
if [ "${1:-}" = --full ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
