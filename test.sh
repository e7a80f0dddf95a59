#!/usr/bin/env bash
# Builds Kwindel with every test and runs the whole suite through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/steps.sh
step "Installing packages" scripts/deps.sh
step "Preparing the test printer" scripts/printer-setup.sh
step "Configuring" cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKWINDEL_WERROR=ON
step "Building" cmake --build build
echo "Testing:"
cd build
ctest --output-on-failure --timeout 300
