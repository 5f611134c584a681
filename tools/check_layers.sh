#!/usr/bin/env bash
# Fails on an include that runs upward or sideways between the layers, naming the file and line.
#
#   game -> toolkit -> platform API          (a program sees the API and nothing else)
#   platform: entry -> backends -> core seam (core/backend) ; core -> common -> api
#             controls -> common -> api ; core -> controls' contract (controls/SystemClasses.h)
#
# A quoted include is resolved the way the compiler would: beside the including file, then in
# the folders the including layer may see. One that resolves only in a folder it may not see is
# reported. Usage: tools/check_layers.sh [project root]
set -uo pipefail
ROOT=$(cd "${1:-$(dirname "$0")/..}" && pwd)
P=platform

# "folder:prefix" pairs a file of the given place may see; prefix "" means any header there.
allowed_roots() {
    case "$1" in
    $P/api/*) echo "$P/api:" ;;
    $P/common/*) echo "$P/api: $P/common:" ;;
    $P/core/backend/*.h) echo "$P/api: $P/core/backend:" ;;
    $P/core/*) echo "$P/api: $P/common: $P/core: $P:controls/SystemClasses.h" ;;
    $P/controls/*) echo "$P/api: $P/common: $P:controls/" ;;
    $P/backends/*) echo "$P/api: $P/common: $P/core/backend: $P:backends/" ;;
    $P/entry/*) echo "$P/api: $P/common: $P/core: $P/core/backend: $P:" ;;
    toolkit/*) echo "$P/api: .:toolkit/" ;;
    game/*) echo "$P/api: .:toolkit/ .:game/" ;;
    esac
}

# The folder that bounds includes made beside the including file.
layer_folder() {
    case "$1" in
    $P/core/backend/*.h) echo "$P/core/backend" ;;
    $P/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
    esac
}

# Every folder a header could be found in, to tell a forbidden include from a system one.
ALL_ROOTS="$P/api $P/common $P/core $P/core/backend $P $P/backends $P/controls ."

violations=0
check_file() {
    local file=$1 roots layer line number header
    roots=$(allowed_roots "$file")
    layer=$(layer_folder "$file")
    while IFS=: read -r number line; do
        [[ $line =~ \"([^\"]+)\" ]] || continue
        header=${BASH_REMATCH[1]}
        local beside
        if [ -f "$ROOT/${file%/*}/$header" ]; then
            beside=$(realpath -m --relative-to="$ROOT" "$ROOT/${file%/*}/$header")
            [[ $beside == "$layer"/* ]] && continue
            echo "$file:$number: includes \"$header\" ($beside), outside $layer"
            violations=$((violations + 1))
            continue
        fi
        local ok=0 spec folder prefix
        for spec in $roots; do
            folder=${spec%%:*}
            prefix=${spec#*:}
            if [ -f "$ROOT/$folder/$header" ] && [[ $header == "$prefix"* ]]; then
                ok=1
                break
            fi
        done
        [ $ok -eq 1 ] && continue
        for folder in $ALL_ROOTS; do
            if [ -f "$ROOT/$folder/$header" ]; then
                echo "$file:$number: includes \"$header\" ($folder/$header), which $layer may not use"
                violations=$((violations + 1))
                break
            fi
        done
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$ROOT/$file")
}

cd "$ROOT" || exit 2
while IFS= read -r file; do
    check_file "$file"
done < <(find $P toolkit game -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.in' \) | sort)

if [ $violations -gt 0 ]; then
    echo "layering: $violations include(s) run upward or sideways"
    exit 1
fi
echo "layering: ok"
