#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when some are missing.
set -euo pipefail
PKGS=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
      libgtest-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core libgl-dev poppler-utils gnumeric
      clang libclang-rt-dev)
missing=()
for p in "${PKGS[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
    if [ "$(id -u)" -eq 0 ]; then
        echo "deps: installing ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q
        apt-get install -y -q "${missing[@]}"
    elif command -v sudo >/dev/null 2>&1; then
        echo "deps: installing ${missing[*]} with sudo"
        sudo apt-get update -q
        sudo apt-get install -y -q "${missing[@]}"
    else
        echo "deps: please install: ${missing[*]}" >&2
        exit 1
    fi
fi
