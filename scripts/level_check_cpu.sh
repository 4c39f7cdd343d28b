#!/usr/bin/env bash
# level_check_cpu.sh - CPU time of the whole level check as CI runs it: ctest's levels.solve
# (the solver over every map, docs/levels.md) and levels.replay.* (every map's replay line,
# plain and in turbo with the view turned, and the demonstration, through the real main
# loop), -j2 under Xvfb when there is no display. CPU is user + system time of everything the
# run starts (ctest, the scripts, the programs, the X server), from the shell's own count of
# its finished children.
#
# Usage: scripts/level_check_cpu.sh [--runs N] [--compare] [BUILD_DIR]
#   --runs N    runs of the level check (default 3); the median is printed last
#   --compare   also the replays alone, once as one replay list and once as a program run per
#               check (--replay-check), the way the level check ran them before the list
# Prints one line per run and then:
#   median_cpu_s=8.7 median_wall_s=5.6 runs=3
set -u
RUNS=3 COMPARE=0 BUILD=build
while [[ $# -gt 0 ]]; do
    case $1 in
        --runs) RUNS=$2; shift ;;
        --compare) COMPARE=1 ;;
        -h | --help) sed -n '2,/^set -u/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
        -*) echo "level_check_cpu: unknown option $1" >&2; exit 2 ;;
        *) BUILD=$1 ;;
    esac
    shift
done
cd "$(dirname "$0")/.."
[ -x "$BUILD/app/zolv" ] || { echo "level_check_cpu: no $BUILD/app/zolv (build first)" >&2; exit 2; }
x=()
[ -z "${DISPLAY:-}" ] && x=(xvfb-run -a -s "-screen 0 1280x1024x24")
export SDL_AUDIODRIVER=dummy

# Runs the command and prints "CPU WALL" in seconds: the children's user + system time this
# subshell counts before and after (bash's `times`), and the wall clock.
measure() {
    (
        start=$(date +%s.%N)
        "$@" > /dev/null 2>&1 || echo "level_check_cpu: failed: $*" >&2
        end=$(date +%s.%N)
        # In this shell itself, not a pipe's subshell, which would count no children.
        times > "$times_file"
        sed -n 2p "$times_file" | awk -v s="$start" -v e="$end" '{
            n = split($1 " " $2, t, " ")
            cpu = 0
            for (i = 1; i <= n; i++) { split(t[i], p, "m"); cpu += p[1] * 60 + p[2] }
            printf "%.2f %.2f\n", cpu, e - s }'
    )
}

times_file=$(mktemp)
trap 'rm -f "$times_file"' EXIT
cpus=() walls=()
for run in $(seq 1 "$RUNS"); do
    read -r cpu wall < <(measure "${x[@]}" ctest --test-dir "$BUILD" -j2 -R '^levels\.(solve|replay)')
    echo "run $run: level check cpu=${cpu} s wall=${wall} s"
    cpus+=("$cpu") walls+=("$wall")
done

if [ "$COMPARE" = 1 ]; then
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp" "$times_file"' EXIT
    cp -r media/Media "$tmp/Media"
    tr -d '\r' < media/Media/Zolv-sch1-memo.txt > "$tmp/memo"
    maps=$(wc -l < media/Media/Zolv-sch1-mappe.txt)
    for m in $(seq 0 $((maps - 1))); do
        line=$(sed -n "$((m + 1))p" "$tmp/memo")
        printf '%s 0 0 %s\n%s 1 1 %s\n' "$m" "$line" "$m" "$line" >> "$tmp/list"
    done
    cat > "$tmp/separate.sh" << 'SH'
#!/usr/bin/env bash
while read -r m t r moves; do
  args=(--replay-check "$m" "$moves" --rotation "$r" --dir "$2")
  [ "$t" = 1 ] && args+=(--turbo)
  "$1" "${args[@]}" > /dev/null
done < "$3"
SH
    export LP_NUM_THREADS=0
    read -r cpu wall < <(measure "${x[@]}" "$BUILD/app/zolv" --replay-list "$tmp/list" --dir "$tmp")
    echo "replays of $maps maps, plain and turbo, as one replay list: cpu=${cpu} s wall=${wall} s"
    read -r cpu wall < <(measure "${x[@]}" bash "$tmp/separate.sh" "$BUILD/app/zolv" "$tmp" "$tmp/list")
    echo "the same as a program run per check: cpu=${cpu} s wall=${wall} s"
fi

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "median_cpu_s=$(median "${cpus[@]}") median_wall_s=$(median "${walls[@]}") runs=$RUNS"
