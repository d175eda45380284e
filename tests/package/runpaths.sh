#!/usr/bin/env bash
# Every program and library in the build folder may name in its run path (RUNPATH or RPATH)
# only absolute folders and folders relative to $ORIGIN. The dynamic loader reads an empty
# entry, and any other relative one, against the current working directory, so a library
# planted wherever the game is started from would run inside it.
set -euo pipefail
build=$(realpath "$1")
checked=0
failed=0
while IFS= read -r -d '' file; do
    [ "$(head -c 4 "$file" | od -An -tx1 | tr -d ' \n')" = 7f454c46 ] || continue
    checked=$((checked + 1))
    while IFS= read -r runpath; do
        # With one more ":" at the end, read keeps an empty last entry as an entry.
        IFS=: read -r -a entries <<<"$runpath:"
        for entry in "${entries[@]}"; do
            case "$entry" in
            /* | '$ORIGIN' | '$ORIGIN/'* | '${ORIGIN}' | '${ORIGIN}/'*) ;;
            *)
                echo "FAIL: ${file#"$build"/} has the run path '$runpath' (entry '$entry')"
                failed=$((failed + 1))
                ;;
            esac
        done
    done < <(readelf -d "$file" 2>/dev/null | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')
done < <(find "$build" -type f \( -perm -u+x -o -name '*.so' -o -name '*.so.*' \) -print0)
[ "$checked" -gt 0 ] || { echo "FAIL: no program or library found in $build"; exit 1; }
echo "$checked programs and libraries checked, $failed bad run path entries"
[ "$failed" -eq 0 ]
