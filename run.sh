#!/usr/bin/env bash
# Sets up a Debian 12 machine for Bramlow, builds, and then plays or tests.
#   ./run.sh play   install what is missing, build, start the game
#   ./run.sh test   install what is missing, build, run every test (also under sanitizers)
# Safe to repeat: packages already present are not touched, builds are incremental.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools libgl-dev libqt6opengl6-dev
    libsdl2-dev
    fonts-liberation
    libgtest-dev libgmock-dev libbenchmark-dev xvfb
    desktop-file-utils appstream dpkg-dev file lintian mmdebstrap debian-archive-keyring
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        # A run interrupted while installing left dpkg half done; apt refuses until it is finished.
        $sudo dpkg --configure -a
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

# step NAME COMMAND...: runs the command and says how long it took.
step() {
    local start=$SECONDS
    "${@:2}"
    echo "run.sh: $1 took $((SECONDS - start)) s"
}

case "${1:-}" in
    play)
        step "installing packages" install_missing
        step "release build" build release
        exec ./build/release/bin/bramlow
        ;;
    test)
        step "installing packages" install_missing
        step "release build" build release
        step "release tests" ctest --preset release
        step "sanitize build" build sanitize
        step "sanitize tests" ctest --preset sanitize
        step "fuzz build" build fuzz
        step "fuzz tests" ctest --preset fuzz
        ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac
