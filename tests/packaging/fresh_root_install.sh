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

say "installing ${packages[*]##*/} and a compiler with apt"
env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root chroot "$root" bash -euo pipefail -c '
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends /packages/*.deb cmake ninja-build g++ >/dev/null
'

say "starting the game until it paints its welcome window"
env -i PATH=/usr/games:/usr/bin:/bin HOME=/root QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    XDG_RUNTIME_DIR=/tmp QT_LOGGING_RULES='*.debug=false;qt.text.drawing.debug=true' \
    chroot "$root" bash -euo pipefail -c '
    # Qt logs the first text the window paints, once the game has loaded its pictures and its
    # control library and reached its welcome state.
    coproc game { exec bramlow 2>&1; }
    trap "kill $game_PID 2>/dev/null || true" EXIT
    if ! timeout 120 grep -m1 -q "qt\.text\.drawing" <&"${game[0]}"; then
        echo "the game painted no window; it ended with: $(wait $game_PID; echo $?)" >&2
        exit 1
    fi
    echo "welcome window painted by $(readlink -f /usr/games/bramlow)"
'

say "building a project that uses find_package(TrellAuto)"
env -i PATH=/usr/bin:/bin HOME=/root chroot "$root" bash -euo pipefail -c '
    cmake -S /src/consumer -B /tmp/consumer -G Ninja -DEXAMPLE_DIR=/src/example >/dev/null
    cmake --build /tmp/consumer >/dev/null
    program=/tmp/consumer/example/autosize_form_example
    if readelf -d "$program" | grep -Eq "RPATH|RUNPATH"; then
        echo "the example was linked with a RUNPATH" >&2; exit 1
    fi
    ldd "$program" | grep -E "libTrellAuto\.so\.1 => /usr/lib/[^/]+/libTrellAuto\.so\.1 "
'
say "passed"
