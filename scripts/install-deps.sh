#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
# fonts-liberation: the windows' sizes were designed for Arial's metrics, which
# Liberation Sans shares; the program and its tests draw in it.
packages=(build-essential cmake qt6-base-dev qt6-serialport-dev libgl-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
          fonts-liberation clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
