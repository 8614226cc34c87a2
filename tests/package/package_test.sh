#!/bin/sh
# The Debian package as a user gets it: cpack builds it from this build tree, dpkg-deb
# unpacks it into a scratch root, and the installed programs run from there.
#   package_test.sh BUILD_DIR CPACK VERSION        (exit 77: no dpkg-deb, skipped)
set -eu
BUILD=$1
CPACK=$2
VERSION=$3
command -v dpkg-deb >/dev/null 2>&1 || { echo "no dpkg-deb: skipped"; exit 77; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

(cd "$tmp" && "$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1) ||
    { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$tmp"/out/*.deb)
[ -f "$deb" ] || fail "no .deb made"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-liberation2 fonts-dejavu-core libqt6serialport6 libqt6widgets6 qt6-qpa-plugins; do
    echo "$depends" | grep -q "$dep" || fail "Depends lacks $dep: $depends"
done

dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n || fail "Recommends lacks Qt's translations"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/montira usr/bin/montira-cli usr/share/applications/montira.desktop \
         usr/share/icons/hicolor/scalable/apps/montira.svg; do
    [ -f "$root/$f" ] || fail "missing $f"
done
grep -q '^Exec=montira' "$root/usr/share/applications/montira.desktop" || fail "desktop entry"

out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/montira" --version) || fail "montira --version failed"
[ "$out" = "montira $VERSION" ] || fail "montira --version printed '$out'"

# Globe 30.0, dry 25.0, wet 20.0 °C (hundredths plus 5100), the rest zero.
frame=FFAA000000
frame=${frame}1FA41DB01BBC$(printf '0%.0s' $(seq 70))03
out=$("$root/usr/bin/montira-cli" decode "$frame") || fail "montira-cli decode failed"
echo "$out" | grep -q '"DryText":"25.0"' || fail "decode printed $out"
echo "$out" | grep -q '"GlobeText":"30.0"' || fail "decode printed $out"
echo "package ok: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"
