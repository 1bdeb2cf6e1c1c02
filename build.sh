#!/usr/bin/env bash
# Installs what this machine is missing, builds Varnoquil, then runs the program or the tests.
#   ./build.sh run [FILE]   build and start the editor (under Xvfb when there is no display)
#   ./build.sh test         build and run every test
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

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

case "$mode" in
run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x800x24" build/varnoquil "$@"
    fi
    exec build/varnoquil "$@"
    ;;
test)
    cd build
    exec ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run [FILE] | test" >&2
    exit 2
    ;;
esac
