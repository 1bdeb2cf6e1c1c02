#!/usr/bin/env bash
# Installs what this machine is missing, builds Varnoquil, then runs the program or the tests.
#   ./build.sh run [FILE]   build and start the editor (under Xvfb when there is no display)
#   ./build.sh test         build the program, the window and its tests with warnings as errors
#                           and run them; build the core, the command line and their tests with
#                           AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and run
#                           those
#   ./build.sh bench        build the benchmarks and run each of them
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
[ $# -gt 0 ] && shift

packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-multimedia-dev qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev fonts-noto-cjk xvfb xauth acl at-spi2-core dbus-x11 python3-pyatspi
          ansible-core qt6-l10n-tools librsvg2-bin appstream groff-base ccache)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
# What was compiled stays in the user's cache folder, outside the clone, so the next build and the
# next clone on this machine compile only what changed: paths are taken relative to the clone, and
# the precompiled Qt headers and fresh file times do not stop a hit.
export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
configure() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
}

case "$mode" in
run)
    configure build -DCMAKE_BUILD_TYPE=Release -DVARNOQUIL_WERROR=ON -DVARNOQUIL_TESTS=OFF -DVARNOQUIL_BENCH=OFF
    cmake --build build -j"$jobs"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x800x24" build/varnoquil "$@"
    fi
    exec build/varnoquil "$@"
    ;;
test)
    # The core's and the command line's tests are built once, under the sanitizers below.
    configure build -DCMAKE_BUILD_TYPE=Release -DVARNOQUIL_WERROR=ON -DVARNOQUIL_BENCH=OFF -DVARNOQUIL_CORE_TESTS=OFF
    cmake --build build -j"$jobs"
    (cd build && ctest --output-on-failure -j"$jobs")
    # Qt is not built with the sanitizers, so this build leaves the window out.
    configure build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOQUIL_WERROR=ON -DVARNOQUIL_GUI=OFF \
              -DVARNOQUIL_BENCH=OFF -DVARNOQUIL_SANITIZE=ON
    cmake --build build-asan -j"$jobs"
    (cd build-asan && ctest --output-on-failure -j"$jobs")
    ;;
bench)
    configure build -DCMAKE_BUILD_TYPE=Release -DVARNOQUIL_WERROR=ON -DVARNOQUIL_TESTS=OFF -DVARNOQUIL_BENCH=ON
    cmake --build build -j"$jobs"
    for program in build/bench/bench_*; do
        [ -x "$program" ] || continue
        echo "== $program"
        QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$program"
    done
    ;;
*)
    echo "usage: $0 run [FILE] | test | bench" >&2
    exit 2
    ;;
esac
