#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Quillary and either starts the museum
# (`./quillary.sh run`) or runs every test, plain and under the sanitizers
# (`./quillary.sh test`).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config
          qt6-base-dev libqt6printsupport6 libgl-dev libx11-dev
          libgtest-dev libbenchmark-dev libnova-dev
          fonts-ipafont-gothic fonts-noto-cjk xauth qt6-translations-l10n
          xvfb xdotool openbox imagemagick x11-utils
          desktop-file-utils appstream lintian dpkg-dev)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {  # build <dir> [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel
}

run_tests() {  # run_tests <dir>
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure --parallel 2
}

case "${1:-}" in
run)
    install_packages
    build build
    cd build/museum && exec ../quillary
    ;;
test)
    install_packages
    build build
    run_tests build
    build build-sanitize -DQUILLARY_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
