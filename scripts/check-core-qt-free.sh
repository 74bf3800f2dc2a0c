#!/usr/bin/env bash
# Fails when a source of the Qt-free core, or a header it includes from the
# project, mentions a Qt header.
set -eu
status=0
for src in $(echo "$@" | tr ';' ' '); do
    [ -f "$src" ] || continue
    if grep -nE '#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' "$src"; then
        echo "Qt include in core source: $src" >&2
        status=1
    fi
    dir=$(dirname "$src")
    for h in $(grep -ohE '#\s*include\s*"[^"]+"' "$src" | sed -E 's/.*"(.*)"/\1/'); do
        for cand in "$dir/$h" "$h"; do
            if [ -f "$cand" ] && grep -nE '#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' "$cand"; then
                echo "Qt include in header of the core: $cand" >&2
                status=1
            fi
        done
    done
done
exit $status
