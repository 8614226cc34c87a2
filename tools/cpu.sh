#!/usr/bin/env bash
# CPU use of montira while it shows live values, while it waits with "Sem comunicação", and
# while live values flow with the real-time chart or the work-load window open. Starts the
# simulated meter on a pseudo-terminal, starts montira on it (offscreen), measures the
# program's CPU time over LIVE_S seconds, then freezes the meter (SIGSTOP: the port stays,
# nothing arrives) and measures SILENT_S seconds more. Then montira starts again twice, with
# the chart (toolbar "Graph") and then the work-load window opened at the first values, and
# each is measured over LIVE_S seconds. Goals: live and silent at most 0.2 % of one core,
# the chart and the work-load window under 1 %.
#   tools/cpu.sh [BUILD_DIR]        (default: build; LIVE_S=30 SILENT_S=30)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
LIVE_S=${LIVE_S:-30}
SILENT_S=${SILENT_S:-30}
APP=$BUILD/montira
CLI=$BUILD/montira-cli
[ -x "$APP" ] && [ -x "$CLI" ] || { echo "cpu.sh: build $APP and $CLI first" >&2; exit 1; }

tmp=$(mktemp -d)
sim_pid=""
app_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill -CONT "$sim_pid" 2>/dev/null || true
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

"$CLI" sim --pty >"$tmp/sim.out" 2>"$tmp/sim.err" &
sim_pid=$!
for _ in $(seq 50); do [ -s "$tmp/sim.out" ] && break; sleep 0.1; done
pty=$(head -n1 "$tmp/sim.out")
[ -n "$pty" ] || { echo "cpu.sh: the simulated meter printed no device" >&2; exit 1; }

# --selftest-accept-port presses the port dialog's OK; the program then runs as usual.
# --selftest-open WINDOW does that too and opens the window once values flow.
start_app() {
    QT_QPA_PLATFORM=offscreen "$APP" --port "$pty" "$@" >"$tmp/app.out" 2>"$tmp/app.err" &
    app_pid=$!
    sleep 3  # start-up, NoDataRoutine, the clock check and the window opening
    kill -0 "$app_pid" 2>/dev/null || { echo "cpu.sh: montira ended:" >&2; cat "$tmp/app.err" >&2; exit 1; }
}
stop_app() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}
start_app --selftest-accept-port

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
measure() {  # seconds -> percent of one core
    local t0 t1
    t0=$(ticks "$app_pid")
    sleep "$1"
    t1=$(ticks "$app_pid")
    awk -v d=$((t1 - t0)) -v hz="$hz" -v s="$1" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}

live=$(measure "$LIVE_S")
kill -STOP "$sim_pid"  # the meter falls silent; its port stays
sleep 8                # the poll gives up (6 s without a frame) and NoDataRoutine blinks
silent=$(measure "$SILENT_S")
kill -CONT "$sim_pid"
kill -0 "$app_pid" 2>/dev/null || { echo "cpu.sh: montira ended early" >&2; exit 1; }
stop_app

start_app --selftest-open graph
chart=$(measure "$LIVE_S")
stop_app
start_app --selftest-open workload
workload=$(measure "$LIVE_S")
kill -0 "$app_pid" 2>/dev/null || { echo "cpu.sh: montira ended early" >&2; exit 1; }

echo "montira CPU, live values, ${LIVE_S} s: ${live} % of one core"
echo "montira CPU, Sem comunicação, ${SILENT_S} s: ${silent} % of one core"
echo "montira CPU, live values with the real-time chart open, ${LIVE_S} s: ${chart} % of one core"
echo "montira CPU, live values with the work-load window open, ${LIVE_S} s: ${workload} % of one core"
awk -v a="$live" -v b="$silent" -v c="$chart" -v d="$workload" \
    'BEGIN { exit !(a <= 0.2 && b <= 0.2 && c < 1 && d < 1) }' \
    && echo "goals (live, silent <= 0.2 %; chart, work-load < 1 %): met" ||
    { echo "goals (live, silent <= 0.2 %; chart, work-load < 1 %): NOT met"; exit 3; }
