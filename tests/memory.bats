#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Under valgrind: heap use that does not grow with the words, no leak, no error.

load helpers

# heap_use COUNT: a clean run on COUNT words, a line each; memcheck's "N allocs" into allocs.COUNT.
heap_use() {
    local log=$BATS_TEST_TMPDIR/valgrind.log out=$BATS_TEST_TMPDIR/lines status=0 words
    mapfile -t words < <(printf '%s\n' "${sample[@]}" |
        awk -v n="$1" '{ w[NR] = $0 } END { for (i = 0; i < n; i++) print w[i % NR + 1] }')
    valgrind --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=all \
        --error-exitcode=99 --log-file="$log" "$tool" "${words[@]}" >"$out" || status=$?
    [ "$status" -eq 1 ] || { cat "$log"; echo "exit status $status, expected 1"; return 1; }
    expect 0 "$1 $(($1 / 10))"$'\n' "" awk '/^ERROR$/ { n++ } END { print NR, n + 0 }' "$out"
    grep -q 'in use at exit: 0 bytes in 0 blocks' "$log" || { cat "$log"; return 1; }
    sed -n 's/.*\(total heap usage: [0-9,]* allocs\).*/\1/p' "$log" >"allocs.$1"
    [ -s "allocs.$1" ] || { cat "$log"; return 1; }
}

@test "10 words and 10,000 words allocate alike, with no leak or error" {
    require_command valgrind
    ((${#emulator[@]} == 0)) || skip "valgrind would check the emulator, not the tool"
    mkdir -p dir/sub
    : >file
    ln -s dir/sub link
    # One word in ten is ERROR: missing.
    sample=(file link link/../.. dir//sub/. missing "$root/file" . .. / dir/sub/)
    heap_use 10
    heap_use 10000
    diff allocs.10 allocs.10000
}
