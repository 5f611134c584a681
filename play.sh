#!/usr/bin/env bash
# Builds the game (optimised) and starts it from here, where it finds its pictures
# (images_games/) and its home page (home/). Installs the packages the build needs first.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh
install_missing_packages "${GAME_PACKAGES[@]}"
cmake -S . -B build/play -DCMAKE_BUILD_TYPE=Release -DASTROVEX_TESTS=OFF -DASTROVEX_BENCH=OFF >/dev/null
cmake --build build/play --target astrovex -j "$(nproc)"
exec build/play/game/astrovex
