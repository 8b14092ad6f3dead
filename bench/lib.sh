# What the bench scripts share: sourced by them, not run on its own.
# Times are wall-clock nanoseconds from date(1). A timed command that fails
# makes the timing fail, so that a tool stopping early never looks fast.

bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# bench_build_dir [DIR]: the absolute path of DIR, or of build/ in the tree.
bench_build_dir() {
    (cd "${1:-$bench_root/build}" && pwd)
}

# bench_need PROGRAM WHAT: stops the bench when PROGRAM is not executable or
# not on the path, saying WHAT to do about it.
bench_need() {
    if [[ $1 == */* ]]; then
        [ -x "$1" ] && return 0
    else
        command -v "$1" >/dev/null && return 0
    fi
    echo "no $1: $2" >&2
    exit 1
}

# bench_have PROGRAM: whether PROGRAM is on the path.
bench_have() { command -v "$1" >/dev/null; }

bench_now_ns() { date +%s%N; }

# bench_median N...: the median of whole numbers (the lower one of an even count).
bench_median() {
    printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}

# bench_ratio A B: A / B with two decimals, "inf" when B is 0.
bench_ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "inf" }'
}

# bench_median_ns REPS PREPARE COMMAND...: the median wall time in nanoseconds
# of REPS runs of COMMAND (its output discarded). PREPARE, a shell command or
# "", runs untimed before each run. Fails when any run fails.
bench_median_ns() {
    local reps=$1 prepare=$2 times=() start end
    shift 2
    for _ in $(seq "$reps"); do
        [ -z "$prepare" ] || eval "$prepare"
        start=$(bench_now_ns)
        "$@" >/dev/null 2>&1 || return 1
        end=$(bench_now_ns)
        times+=($((end - start)))
    done
    bench_median "${times[@]}"
}

# bench_ms NS and bench_seconds NS: nanoseconds as whole milliseconds, and as
# seconds with three decimals.
bench_ms() { echo $(($1 / 1000000)); }
bench_seconds() { awk -v n="$1" 'BEGIN { printf "%.3f", n / 1e9 }'; }

# bench_member_names DIR COUNT: makes DIR/dir000 to DIR/dir099 and prints
# COUNT file names spread over them, dir007/member000107.txt and so on.
bench_member_names() {
    (cd "$1" && seq -f 'dir%03.0f' 0 99 | xargs mkdir)
    seq 0 $(($2 - 1)) | awk '{ printf "dir%03d/member%06d.txt\n", $1 % 100, $1 }'
}
