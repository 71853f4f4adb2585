# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# shellcheck shell=bash
# Sourced by bench/run: the tree the words resolve in, and the word lists.

# make_tree: in the working directory, 50 directories of 20 subdirectories,
# each holding a file, plus one relative and one absolute symlink per
# directory; and a file f beside a chain of 63 nested directories c/c/...,
# each holding a file f, for words of a chosen depth.
make_tree() {
    local d s
    for d in $(seq 0 49); do
        for s in $(seq 0 19); do mkdir -p "d$d/s$s" && : >"d$d/s$s/f"; done
        ln -s "s$((d % 20))" "d$d/rel"
        ln -s "$PWD/d$(((d + 1) % 50))/s$((d % 20))" "d$d/abs"
    done
    local chain=c
    : >f
    for _ in $(seq 1 63); do
        mkdir -p "$chain" && : >"$chain/f"
        chain=$chain/c
    done
}

# mixed_words COUNT: COUNT words from a fixed seed, so every run times the
# same input: plain paths, paths through symlinks, . and .., doubled
# slashes, missing final components and trailing slashes on files.
mixed_words() {
    local d s t
    RANDOM=20261208
    for _ in $(seq 1 "$1"); do
        d=$((RANDOM % 50)) s=$((RANDOM % 20)) t=$((RANDOM % 20))
        case $((RANDOM % 8)) in
            0) echo "d$d/s$s/f" ;;
            1) echo "$PWD/d$d/s$s/f" ;;
            2) echo "d$d/rel/f" ;;
            3) echo "$PWD/d$d/abs/f" ;;
            4) echo "./d$d/s$s/../s$t//f" ;;
            5) echo "$PWD//d$d/./s$s/./../../d$d/s$t/f" ;;
            6) echo "d$d/s$s/missing" ;;
            7) echo "d$d/s$s/f/" ;;
        esac
    done
}

# deep_word DEPTH: c/c/.../f, a path of DEPTH components.
deep_word() {
    local word=""
    for _ in $(seq 2 "$1"); do word=${word}c/; done
    echo "${word}f"
}
