#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds Mojiro, and then
#   run  [FILE...]  starts the program's main job on FILE (or the sample article)
#   test            runs the whole test suite through CTest
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev
          libbenchmark-dev clang libclang-rt-14-dev
          qt6-base-dev libfontconfig-dev fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=${MOJIRO_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${MOJIRO_CMAKE_ARGS:-}
cmake --build "$build"

case "${1:-test}" in
run)
    shift || true
    exec "$build/src/app/mojiro" "${@:-examples/article.txt}"
    ;;
test)
    cd "$build"
    exec ctest --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: tools/setup.sh run [FILE...] | test" >&2
    exit 2
    ;;
esac
