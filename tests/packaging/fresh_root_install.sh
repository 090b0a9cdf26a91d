#!/usr/bin/env bash
# The packages as a user meets them: a new minimal Debian 12 root, in which apt installs the
# packages of this build and resolves their dependencies from the Debian archive; then the
# game, started by its launcher, reaches its welcome window (offscreen), and another project
# builds there against find_package(TrellAuto) and links the installed library without any
# RUNPATH.
#
#   fresh_root_install.sh <folder with the .deb files> <consumer project> <example form>
#
# Needs root (it bootstraps with mmdebstrap, mounts and chroots) and the network. As any
# other user it says why and exits 77, which CTest counts as skipped. The root is built from
# the machine's own apt sources under /var/tmp and removed at the end, however it ends.
set -euo pipefail

debs=$1 consumer=$2 example=$3
say() { printf '== fresh root: %s\n' "$*"; }

if [ "$(id -u)" -ne 0 ]; then
    say "skipped: only root can bootstrap, mount and chroot"
    exit 77
fi
shopt -s nullglob
packages=("$debs"/*.deb)
[ ${#packages[@]} -gt 0 ] || { say "no .deb file in $debs"; exit 1; }
command -v mmdebstrap >/dev/null || { say "mmdebstrap is not installed (run.sh installs it)"; exit 1; }
sources=
for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
    if [ -s "$f" ] && grep -Eq '^[^#]*\bbookworm\b' "$f"; then sources=$f; break; fi
done
[ -n "$sources" ] || { say "no apt sources for Debian bookworm on this machine"; exit 1; }

scratch=$(mktemp -d /var/tmp/bramlow-fresh-root.XXXXXX)
root=$scratch/root
cleanup() {
    local m
    # Mount points below the root, deepest first.
    for m in $(awk -v r="$root" 'index($5, r "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r); do
        umount "$m" 2>/dev/null || umount -l "$m"
    done
    rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT

say "bootstrapping bookworm (minbase) from $sources"
mmdebstrap --quiet --mode=root --variant=minbase bookworm "$root" "$sources" </dev/null
mkdir "$root/packages" "$root/src"
cp "${packages[@]}" "$root/packages/"
cp -r "$consumer" "$root/src/consumer"
cp -r "$example" "$root/src/example"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --make-private "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
# in_root [NAME=VALUE]... COMMAND...: runs in the root with a clean environment.
in_root() { chroot "$root" env -i PATH=/usr/games:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

# install <package or quoted file pattern>...: apt-get install in the root, patterns matched there.
install() { in_root DEBIAN_FRONTEND=noninteractive bash -c "apt-get install -y -qq --no-install-recommends $* >/dev/null"; }
# First the game alone, as a player installs it: apt brings the library and the rest.
say "installing the game with apt"
in_root apt-get update -qq
install '/packages/bramlow_*.deb' '/packages/libtrellauto1_*.deb'

say "starting the game until it paints its welcome window"
in_root QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=/tmp \
    QT_LOGGING_RULES='*.debug=false;qt.text.drawing.debug=true' bash -euo pipefail -c '
    # Qt logs the first text the window paints, once the game has loaded its pictures and its
    # control library and reached its welcome state.
    : >/tmp/game.log
    bramlow 2>>/tmp/game.log &
    game=$!
    trap "kill $game 2>/dev/null || true" EXIT
    # tail follows the log until the game ends, or for two minutes at most.
    if ! grep -m1 -q "qt\.text\.drawing" < <(timeout 120 tail -n +1 -f --pid=$game /tmp/game.log); then
        echo "the game painted no window; it wrote:" >&2
        cat /tmp/game.log >&2
        exit 1
    fi
    echo "welcome window painted by $(readlink -f /usr/games/bramlow)"
'

say "installing the development files, the Designer plugin and a compiler with apt"
install '/packages/*.deb' cmake ninja-build g++ pkg-config
say "building a project that uses find_package(TrellAuto)"
in_root bash -euo pipefail -c '
    cmake -S /src/consumer -B /tmp/consumer -G Ninja -DEXAMPLE_DIR=/src/example
    cmake --build /tmp/consumer
    program=/tmp/consumer/example/autosize_form_example
    if readelf -d "$program" | grep -Eq "RPATH|RUNPATH"; then
        echo "the example was linked with a RUNPATH" >&2; exit 1
    fi
    # From the system library folder (/lib is /usr/lib on Debian 12).
    if ! ldd "$program" | grep -E "libTrellAuto\.so\.1 => (/usr)?/lib/[^/]+/libTrellAuto\.so\.1 "; then
        echo "the example does not load the installed library:" >&2; ldd "$program" >&2; exit 1
    fi
    # pkg-config knows the library too, and the API reference is there for Qt Creator.
    pkg-config --libs trellauto | grep -q -- -lTrellAuto
    test -s /usr/share/doc/libtrellauto-doc/trellauto.qch
    test "$(dpkg-query -W -f="\${Multi-Arch}" libtrellauto1)" = same
    test -s /usr/share/doc/libtrellauto-doc/html/classTrellAutoSize.html
'
say "passed"
