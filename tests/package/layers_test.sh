#!/bin/sh
# The source folders keep their layers: includes point down only (ui, cli and app above sim,
# sim above core), app's session code sits below ui (main() alone, on top, sees everything),
# and no two folders of core include each other, directly or around a longer circle.
# Prints the folder -> folder include edges inside core.
#   layers_test.sh SOURCE_DIR
set -u
SRC=$1/src
failures=0
fail() { echo "layers: $*"; failures=$((failures + 1)); }
TMP=$(mktemp -d) || exit 1
trap 'rm -rf "$TMP"' EXIT

# "file folder" for every project include of every source file under $1 (folder of the file
# relative to src, and the included file's folder).
edges() {
    find "$SRC/$1" -type f \( -name '*.h' -o -name '*.cpp' \) | sort | while read -r f; do
        rel=${f#"$SRC"/}
        sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$f" |
            while read -r inc; do
                echo "$rel ${inc%/*}"
            done
    done
}

# Includes that point up.
for area in core sim; do
    edges "$area" | while read -r file to; do
        case $to in
            app | app/* | ui | ui/* | cli | cli/*) echo "$file includes $to" ;;
        esac
    done
done >"$TMP/up.txt"
edges app | while read -r file to; do
    case $file in app/main.cpp) continue ;; esac
    case $to in ui | ui/*) echo "$file includes $to" ;; esac
done >>"$TMP/up.txt"
while read -r line; do fail "points up: $line"; done <"$TMP/up.txt"

# Folder -> folder edges inside core ("core" is core's own top folder).
edges core | while read -r file to; do
    case $to in core | core/*) ;; *) continue ;; esac
    from=${file%/*}
    [ "$from" = "$to" ] || echo "$from $to"
done | sort -u >"$TMP/core.txt"
echo "core include edges:"
sed 's/ / -> /; s/^/  /' "$TMP/core.txt"

# A circle: some folder reaches itself. Transitive closure over the few folders of core.
awk '
    { next_[$1] = next_[$1] " " $2; nodes[$1] = 1; nodes[$2] = 1 }
    END {
        for (n in nodes) {
            delete seen
            delete queue
            head = 0; tail = 0
            k = split(next_[n], first, " ")
            for (i = 1; i <= k; i++) queue[tail++] = first[i]
            while (head < tail) {
                m = queue[head++]
                if (m in seen) continue
                seen[m] = 1
                if (m == n) { print n; break }
                k = split(next_[m], more, " ")
                for (i = 1; i <= k; i++) queue[tail++] = more[i]
            }
        }
    }' "$TMP/core.txt" | sort >"$TMP/circles.txt"
while read -r n; do fail "$n is on an include circle among core's folders"; done <"$TMP/circles.txt"

[ "$failures" -eq 0 ] || exit 1
echo "layers: ok"
