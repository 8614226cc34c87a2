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
         usr/share/icons/hicolor/scalable/apps/montira.svg usr/share/mime/packages/montira.xml \
         usr/share/man/man1/montira.1.gz usr/share/man/man1/montira-cli.1.gz \
         usr/share/bash-completion/completions/montira-cli; do
    [ -f "$root/$f" ] || fail "missing $f"
done
desktop=$root/usr/share/applications/montira.desktop
grep -q '^Exec=montira %f$' "$desktop" || fail "desktop entry does not pass the file: $(grep ^Exec "$desktop")"

# A double-click on a .plv file: the file's type, by its name, is one the entry opens.
mimetype=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$root/usr/share/mime/packages/montira.xml")
[ -n "$mimetype" ] || fail "no type in montira.xml"
grep -q "^MimeType=.*$mimetype;" "$desktop" || fail "desktop entry does not open $mimetype"
if command -v update-mime-database >/dev/null 2>&1; then
    mkdir -p "$tmp/mime/packages"
    cp "$root/usr/share/mime/packages/montira.xml" "$tmp/mime/packages/"
    update-mime-database "$tmp/mime" >"$tmp/mime.log" 2>&1 || { cat "$tmp/mime.log" >&2; fail "update-mime-database"; }
    grep -q ":$mimetype:\*\.plv" "$tmp/mime/globs2" || fail "*.plv is not $mimetype: $(cat "$tmp/mime/globs2")"
fi

# The manual pages read back, and the completion completes with the installed program.
for page in montira montira-cli; do
    gzip -dc "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH $(echo $page | tr a-z A-Z) 1" ||
        fail "$page.1.gz is not its manual page"
done
if command -v bash >/dev/null 2>&1; then
    bash "$(dirname "$0")/completion_test.sh" "$root/usr/bin/montira-cli" \
        "$root/usr/share/bash-completion/completions/montira-cli" || fail "bash completion"
fi

out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/montira" --version) || fail "montira --version failed"
[ "$out" = "montira $VERSION" ] || fail "montira --version printed '$out'"

# Globe 30.0, dry 25.0, wet 20.0 °C (hundredths plus 5100), the rest zero.
frame=FFAA000000
frame=${frame}1FA41DB01BBC$(printf '0%.0s' $(seq 70))03
out=$("$root/usr/bin/montira-cli" decode "$frame") || fail "montira-cli decode failed"
echo "$out" | grep -q '"DryText":"25.0"' || fail "decode printed $out"
echo "$out" | grep -q '"GlobeText":"30.0"' || fail "decode printed $out"
echo "package ok: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"
