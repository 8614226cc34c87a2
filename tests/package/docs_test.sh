#!/bin/sh
# The manual pages and the README keep up with the program: every montira-cli command and each
# of its options (as its own --help lists them) is in montira-cli(1), every command is in the
# README, every option of montira is in montira(1), and groff reads the pages without a
# warning.
#   docs_test.sh MONTIRA MONTIRA_CLI SOURCE_DIR
set -u
APP=$1
CLI=$2
SRC=$3
failures=0
fail() { echo "docs: $*"; failures=$((failures + 1)); }

# The pages as text, with troff's escaped hyphens plain.
plain() { sed 's/\\-/-/g; s/\\f[BIRP]//g' "$1"; }
climan=$(plain "$SRC/packaging/man/montira-cli.1")
appman=$(plain "$SRC/packaging/man/montira.1")
readme=$(cat "$SRC/README.md")

commands=$("$CLI" --help | sed -n 's/^  \([a-z][a-z]*\)  .*/\1/p')
[ -n "$commands" ] || fail "montira-cli --help lists no commands"
for c in $commands; do
    printf '%s\n' "$climan" | grep -q "^\.SS \"$c " || fail "montira-cli(1) has no section for $c"
    printf '%s\n' "$readme" | grep -q "^montira-cli $c " || fail "README does not show montira-cli $c"
    for o in $("$CLI" "$c" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        [ "$o" = --help ] && continue
        section=$(printf '%s\n' "$climan" | sed -n "/^\.SS \"$c /,/^\.S[SH] /p" | sed '$d')
        printf '%s\n' "$section" | grep -q -- "$o" || fail "montira-cli(1), $c: $o missing"
    done
done

for o in $("$APP" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    printf '%s\n' "$appman" | grep -q -- "$o" || fail "montira(1): $o missing"
done

if command -v groff >/dev/null 2>&1; then
    for page in montira montira-cli; do
        warnings=$(groff -man -ww -z "$SRC/packaging/man/$page.1" 2>&1)
        [ -z "$warnings" ] || fail "$page.1: $warnings"
    done
fi

[ "$failures" -eq 0 ] && echo "docs ok" || exit 1
