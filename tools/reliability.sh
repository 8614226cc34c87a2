#!/usr/bin/env bash
# Runs the fault-injection suite (tests/e2e/fault_injection_test.cpp) and writes its tally
# (faults tried, survived, records lost) into the README's "Reliability" section, between
# its two marker comments.
#   tools/reliability.sh [BUILD_DIR]        (default: build; test_e2e must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
TEST=$BUILD/tests/test_e2e
[ -x "$TEST" ] || { echo "reliability.sh: build $TEST first" >&2; exit 1; }

counts=$(mktemp)
trap 'rm -f "$counts"' EXIT
start=$(date +%s)
status=0
QT_QPA_PLATFORM=offscreen MONTIRA_RELIABILITY_OUT="$counts" \
    "$TEST" --gtest_filter='FaultInjection.*' --gtest_brief=1 || status=$?
took=$(( $(date +%s) - start ))
[ -s "$counts" ] || { echo "reliability.sh: the suite wrote no counts" >&2; exit 1; }
. "$counts"

section=$(cat <<TEXT
<!-- reliability:begin (written by tools/reliability.sh) -->
| Faults tried | Survived | Records lost | Suite time |
|---|---|---|---|
| $faults_tried | $faults_survived | $records_lost | ${took} s |

Measured on $(date -u +%Y-%m-%d) on $(uname -m), $(nproc) cores.
<!-- reliability:end -->
TEXT
)
if ! grep -q '<!-- reliability:begin' README.md; then
    printf '\n## Reliability\n\n%s\n' "$section" >> README.md
else
    SECTION="$section" perl -0pi -e \
        's/<!-- reliability:begin.*?<!-- reliability:end -->/$ENV{SECTION}/s' README.md
fi
echo "faults tried $faults_tried, survived $faults_survived, records lost $records_lost (${took} s)"
exit $status
