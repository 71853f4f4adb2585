# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# shellcheck shell=bash disable=SC2154 # rounds and pin come from bench/run
# Sourced by bench/run: timing with hyperfine, and the Markdown rows.
# Expects: rounds (how many rounds a comparison takes) and pin (a command
# prefix that keeps a process on one CPU, or nothing).

# die MESSAGE: says why the benchmark stops, and stops it; from a command
# substitution, the caller passes the failure on.
die() {
    echo "bench: $1" >&2
    exit 1
}

# launch WORDS PROGRAM: the command that gives PROGRAM the words of the
# file WORDS through xargs, in the POSIX way (each line a word, passed as
# NUL-separated), as a user passes a long list. It is run once here and its
# result checked; the command fails unless every timed run exits alike.
launch() {
    local status=0 script
    tr '\n' '\0' <"$1" | xargs -0 -s 1048576 "$2" >launch.out || status=$?
    # xargs exits 0 when every run of the program did, 1 to 125 when any
    # exited 1 to 125.
    ((status <= 125)) || die "feeding $1 through xargs to $2 exited $status"
    check_output "$1" "$2" "$status"
    local words=$1
    [[ $words == /* ]] || words=$PWD/$words
    script=$PWD/launch.$(printf '%s' "$1 $2" | cksum | cut -d' ' -f1).sh
    # sh has no pipefail: the words must be there before tr reads them.
    printf '[ -r %s ] || exit 1\ntr "\\n" "\\0" <%s | xargs -0 -s 1048576 %s >/dev/null\ntest "$?" -eq %s\n' \
        "$words" "$words" "$2" "$status" >"$script"
    printf '%s\n' "sh $script"
}

# check_output WORDS PROGRAM STATUS: the output in launch.out must be what
# PROGRAM gives for WORDS: nothing from realpath_only, and from the tool
# one line per word, the same as any earlier build's, with status 0 exactly
# when no line is ERROR.
check_output() {
    case ${2##*/} in
        realpath_only)
            [ ! -s launch.out ] || die "$2 wrote output" ;;
        *)
            if [ "$(wc -l <launch.out)" -ne "$(wc -l <"$1")" ] ||
                { grep -q -x ERROR launch.out && [ "$3" -eq 0 ]; } ||
                { ! grep -q -x ERROR launch.out && [ "$3" -ne 0 ]; } ||
                { [ -e "$1.out" ] && ! cmp -s launch.out "$1.out"; }; then
                die "$2 on $1 gave a wrong result (status $3)"
            fi
            cp launch.out "$1.out" ;;
    esac
}

# medians RUNS COMMAND...: the median wall time of each COMMAND over RUNS,
# one per line, each command timed right after the one before it. A run
# that fails stops the benchmark: a figure for it would be no figure.
medians() {
    local runs=$1
    shift
    "${pin[@]}" hyperfine --shell=none --style none --warmup 1 \
        --runs "$runs" --export-csv timing.csv "$@" >/dev/null 2>hyperfine.log ||
        { cat hyperfine.log >&2; die "a timed run failed"; }
    # CSV columns: command,mean,stddev,median,user,system,min,max
    awk -F, 'NR > 1 { print $4 }' timing.csv
}

# ratios NAME RUNS CANDIDATE LIMIT: writes NAME.ratios, one line per round
# (candidate / limit, candidate, limit, from medians of RUNS), sorted.
# Many short rounds, each timing both sides back to back: the machine's
# state drifts over seconds, so each round compares like with like, and the
# median of the rounds shrugs off the odd round that the drift still splits.
ratios() {
    local name=$1 runs=$2
    for _ in $(seq 1 "$rounds"); do
        medians "$runs" "$3" "$4" |
            awk 'NR == 1 { c = $1 } NR == 2 { printf "%.6f %.6f %.6f\n", c / $1, c, $1 }'
    done | sort -n >"$name.ratios"
}

# summary NAME LABEL TARGET: one Markdown row from NAME.ratios, if measured.
summary() {
    [ -s "$1.ratios" ] || return 0
    awk -v label="$2" -v target="$3" '
        { r[NR] = $1; c[NR] = $2; l[NR] = $3 }
        END {
            m = int((NR + 1) / 2)
            printf "| %s | %.3f | %.3f–%.3f | %s | %.3f ms | %.3f ms |\n",
                label, r[m], r[1], r[NR], target, c[m] * 1000, l[m] * 1000
        }' "$1.ratios"
}

# runs_for COUNT: enough runs, and rounds of them, that the cost of COUNT
# words stands clear of the noise in start-up, without spending minutes on
# the longest lists: "RUNS ROUNDS".
runs_for() {
    if [ "$1" -le 1000 ]; then echo 100 15; elif [ "$1" -le 10000 ]; then echo 10 5; else echo 3 3; fi
}

# cost_per_word PROGRAM WORDS BASE: the microseconds that each word of the
# file WORDS beyond those of the file BASE adds to a run of PROGRAM, so that
# neither start-up nor the first use of the code that resolves and writes
# (page faults, which are dear on a virtual machine) counts as the words'
# cost. Each round times both runs back to back; the cost is the median of
# the rounds' differences.
cost_per_word() {
    local count extra runs cost_rounds
    count=$(wc -l <"$2")
    extra=$((count - $(wc -l <"$3")))
    read -r runs cost_rounds <<<"$(runs_for "$count")"
    # A smoke run (BENCH_ROUNDS=1) takes one round of each.
    ((cost_rounds <= rounds)) || cost_rounds=$rounds
    local base_run all_run
    base_run=$(launch "$3" "$1") || exit 1
    all_run=$(launch "$2" "$1") || exit 1
    for _ in $(seq 1 "$cost_rounds"); do
        medians "$runs" "$base_run" "$all_run" |
            awk -v extra="$extra" 'NR == 1 { base = $1 } NR == 2 { print ($1 - base) / extra * 1e6 }'
    done | sort -g | awk '{ cost[NR] = $1 } END { printf "%.3f\n", cost[int((NR + 1) / 2)] }'
}
