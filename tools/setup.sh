#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs. Idempotent: quick when all are present.
set -euo pipefail

packages=(
    cmake g++ ninja-build clang libclang-rt-14-dev clang-tidy clang-format
    qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev nlohmann-json3-dev
    # Both font packages by name: with fonts-liberation alone, fontconfig may skip DejaVu.
    fonts-dejavu-core fonts-liberation
    # Qt's own texts in German (context menus, command-line help, file error reasons); the tools
    # that build and check the English translation.
    qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
    # Real-window checks and screenshots; PDFs read back (pages, words, pixels).
    xvfb xauth xdotool imagemagick poppler-utils
    # Screen-reader checks, desktop entry and package checks.
    at-spi2-core python3-pyatspi dbus-daemon desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f '${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installiere: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
