#!/usr/bin/env bash
# Installs the Debian package on a clean Debian bookworm root and runs the programs there: the
# dependencies the package names must be all a fresh machine needs. Not run by CI: it needs
# root (debootstrap, chroot, mount) and the Debian mirror.
#   tools/clean_install.sh [BUILD_DIR] [ROOT]      (defaults: build, a new folder in /var/tmp)
# KEEP_ROOT=1 keeps the root folder (about 400 MB) for a look afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
ROOT=${2:-$(mktemp -d /var/tmp/montira-clean.XXXXXX)}
KEEP_ROOT=${KEEP_ROOT:-0}
SUITE=bookworm

[ "$(id -u)" = 0 ] || { echo "clean_install: needs root" >&2; exit 77; }
command -v debootstrap >/dev/null || { echo "clean_install: apt-get install debootstrap" >&2; exit 77; }

# The mirror this machine's apt uses (deb822 or one-line sources), else Debian's own.
mirror=$(grep -hsE '^(URIs:|deb )' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list |
         grep -oE 'https?://[^ ]+/debian/?' | head -1 || true)
mirror=${mirror:-http://deb.debian.org/debian}

stamp() { date +%s.%N; }
took() { awk -v a="$1" -v b="$(stamp)" 'BEGIN { printf "%.1f s", b - a }'; }
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" 2>/dev/null || true; done
    if [ "$KEEP_ROOT" != 1 ]; then rm -rf --one-file-system "$ROOT"; fi
}
trap cleanup EXIT

t0=$(stamp)
t=$(stamp)
cmake --build "$BUILD" --target montira montira-cli >/dev/null
rm -f "$BUILD"/montira_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD"/montira_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, Installed-Size $(dpkg-deb -f "$deb" Installed-Size) KiB ($(took "$t"))"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

t=$(stamp)
if [ ! -x "$ROOT/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase "$SUITE" "$ROOT" "$mirror" >"$ROOT.debootstrap.log" 2>&1 ||
        { tail -20 "$ROOT.debootstrap.log" >&2; exit 1; }
    rm -f "$ROOT.debootstrap.log"
fi
echo "clean root: $ROOT from $mirror ($(took "$t"))"

for m in proc dev dev/pts; do mkdir -p "$ROOT/$m"; done
mount -t proc proc "$ROOT/proc" && mounted+=("$ROOT/proc")
mount --bind /dev "$ROOT/dev" && mounted+=("$ROOT/dev")
mount --bind /dev/pts "$ROOT/dev/pts" && mounted+=("$ROOT/dev/pts")
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
cp "$deb" "$ROOT/tmp/"
in_root() { chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

t=$(stamp)
before=$(in_root dpkg-query -W -f '${Package}\n' | sort)
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$ROOT/tmp/install.log" 2>&1 || { tail -30 "$ROOT/tmp/install.log" >&2; exit 1; }
after=$(in_root dpkg-query -W -f '${Package}\n' | sort)
pulled=$(comm -13 <(echo "$before") <(echo "$after") | grep -vx montira || true)
echo "apt install ($(took "$t")): $(echo "$pulled" | wc -l) packages pulled in besides montira:"
echo "$pulled" | tr '\n' ' ' | fold -s -w 100
echo
echo "download size: $(grep -E '^Need to get' "$ROOT/tmp/install.log" || echo '?')"
echo "disk: $(grep -E 'additional disk space' "$ROOT/tmp/install.log" || echo '?')"

failed=0
run() {
    echo "\$ $*"
    local t rc=0
    t=$(stamp)
    timeout 120 chroot "$ROOT" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 "$@" 2>&1 || rc=$?
    echo "(exit $rc, $(took "$t"))"
    ((rc == 0)) || failed=1
}
run montira --version
# Globe 30.0, dry 25.0, wet 20.0 °C (hundredths plus 5100), the rest zero.
frame=FFAA0000001FA41DB01BBC$(printf '0%.0s' $(seq 70))03
run montira-cli decode "$frame"
run QT_QPA_PLATFORM=offscreen montira --port SIM --selftest-exit-after-values
echo "total $(took "$t0")"
exit $failed
