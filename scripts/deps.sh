#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (and any named on the command
# line), when any is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config libsdl2-dev libpng-dev zlib1g-dev libgl-dev
          libgl1-mesa-dri libegl-mesa0 libgtest-dev xvfb xauth xdotool time "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
