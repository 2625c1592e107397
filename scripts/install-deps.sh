#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# screenshots need and this machine lacks. Quick when everything is there.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config make
  clang libclang-rt-14-dev clang-format clang-tidy
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  qtkeychain-qt6-dev qt6-image-formats-plugins qt6-qpa-plugins libgl-dev
  xvfb xauth poppler-utils fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
