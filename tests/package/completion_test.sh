#!/bin/bash
# The bash completion of montira-cli, run as bash runs it: COMP_WORDS and COMP_CWORD set, the
# function called, COMPREPLY read back.
#   completion_test.sh MONTIRA_CLI COMPLETION_FILE
set -u
CLI=$1
# shellcheck source=/dev/null
. "$2"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
touch "$tmp/dados.plv" "$tmp/dados 2.plv"
failures=0

# complete NAME WANTED WORD... : the line typed is WORD..., the cursor on the last word; every
# word of WANTED (space-separated, "" for none) must be offered, and with "only" nothing else.
complete_line() {
    local name=$1 wanted=$2 mode=$3
    shift 3
    COMP_WORDS=("$CLI" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _montira_cli
    local got=" ${COMPREPLY[*]} " w
    for w in $wanted; do
        [[ $got == *" $w "* ]] || { echo "$name: '$w' not offered: [${COMPREPLY[*]}]"; failures=$((failures + 1)); }
    done
    if [[ $mode == only && ${#COMPREPLY[@]} -ne $(wc -w <<<"$wanted") ]]; then
        echo "$name: offered more than [$wanted]: [${COMPREPLY[*]}]"
        failures=$((failures + 1))
    fi
}

complete_line everyCommand "decode sim record memory workload clock sampling poweroff erase key manual print export header plot evaluate help" any ""
complete_line commandPrefix "phs plot poweroff print" only p
complete_line helpTakesACommand "evaluate export erase" only help e
complete_line recordOptions "--samples" only record --port /dev/null --s
complete_line samplingOptions "--seconds" only sampling --port /dev/null --se
complete_line printOptions "--pdf --table --listing --name --sector --company --font --size --landscape --help" any print a.plv --
complete_line keyNames "Read RunStop" only key --port /dev/null R
complete_line indexValues "IBUTGi IBUTGo" only evaluate a.plv --index I
complete_line numberValueOffersNothing "" only record --samples ""
complete_line clockSetIsAFlag "--set --port --timeout --help" any clock --set --
complete_line dataFileFirst "$tmp/dados.plv" any export "$tmp/da"
complete_line outputFile "$tmp/dados.plv" any plot a.plv --out "$tmp/da"
[[ " ${COMPREPLY[*]} " == *"$tmp/dados 2.plv"* ]] || { echo "file name with a space lost: [${COMPREPLY[*]}]"; failures=$((failures + 1)); }

[[ $failures -eq 0 ]] && echo "completion ok" || exit 1
