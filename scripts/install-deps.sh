#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running the editor need; only the
# missing ones, with apt-get as root or through sudo otherwise.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
  libhidapi-dev nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt=(apt-get)
else
  apt=(sudo apt-get)
fi
"${apt[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
