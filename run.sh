#!/usr/bin/env bash
# Builds Kwindel (Release, in build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/steps.sh
step "Installing packages" scripts/deps.sh --run-only
step "Configuring" cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
step "Building" cmake --build build --target kwindel
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set); try: xvfb-run -a build/kwindel" >&2
    exit 1
fi
exec build/kwindel
