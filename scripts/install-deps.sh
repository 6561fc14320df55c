#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for building and testing the programs
# (cmark-gfm renders README.html for the release archives, in every build).
# Does nothing when everything is already there.
set -euo pipefail

packages=(cmake g++ ninja-build libgtest-dev cmark-gfm libtomlplusplus-dev nlohmann-json3-dev "$@")
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
