#!/usr/bin/env bash
# Installs what this machine is missing, builds Varnoquil, then runs the program or the tests.
#   ./build.sh run [FILE]   build and start the editor (under Xvfb when there is no display)
#   ./build.sh test         build with warnings as errors and run every test; then build the core,
#                           the command line and their tests with AddressSanitizer and
#                           UndefinedBehaviorSanitizer in build-asan and run those
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
[ $# -gt 0 ] && shift

packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-multimedia-dev qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev fonts-noto-cjk xvfb xauth acl at-spi2-core dbus-x11 python3-pyatspi
          ansible-core qt6-l10n-tools librsvg2-bin appstream groff-base)
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
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVARNOQUIL_WERROR=ON
cmake --build build -j"$jobs"

case "$mode" in
run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x800x24" build/varnoquil "$@"
    fi
    exec build/varnoquil "$@"
    ;;
test)
    (cd build && ctest --output-on-failure -j"$jobs")
    # Qt is not built with the sanitizers, so this build leaves the window out. Its warnings are
    # those of the build above, which already treated them as errors.
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOQUIL_GUI=OFF -DVARNOQUIL_BENCH=OFF \
          -DVARNOQUIL_SANITIZE=ON
    cmake --build build-asan -j"$jobs"
    cd build-asan
    exec ctest --output-on-failure -j"$jobs"
    ;;
*)
    echo "usage: $0 run [FILE] | test" >&2
    exit 2
    ;;
esac
