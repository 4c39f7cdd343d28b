#!/usr/bin/env bash
# cpu_play.sh - CPU the running game costs, measured from outside under Xvfb (Mesa's software
# renderer, SDL's dummy audio), as a percentage of one core: the median of several runs.
#
# Usage: scripts/cpu_play.sh [--factor 1|3] [--runs N] [--seconds S] [--warmup S]
#                            [--keys "K ..."] [--hold S] [--walk "K ..."] [--shot FILE]
#                            [--perf FILE] [PROGRAM]
#
# Each run starts PROGRAM (default build/app/zolv) under xvfb-run on a screen that lets the
# window open at the given whole factor of 320 x 240 (default 3: 960 x 720), waits WARMUP
# seconds (default 5), sends the keys with xdotool one a second, each held for HOLD seconds
# (default 0.25: the menu reads its keys ten times a second, so a key only tapped between two
# of its frames is missed), waits 2 seconds more, then reads the CPU time of the program's
# process tree (utime + stime of every thread, and of children it reaped, from /proc/PID/stat)
# at the start and the end of SECONDS of wall time (default 20). The default keys,
# "space Up Return", go past the title, up the menu to its first entry and into level 0, where
# the player stands at the start while the board and its animation are drawn every frame; name
# other keys to measure another scene. With --walk, the sampling window is walked: the walk
# keys are tapped in turn, one every half second (for example "Right Left" steps to and fro
# at the start of level 0). It prints one line per run and the median:
#   run 1: 4.2 %   ...   median_cpu_percent_of_one_core=4.2 factor=3 runs=3 load="..."
# With --shot FILE the screen is saved as a PNG at the end of the last run's sampling window
# (to see which scene was measured). With --perf FILE the last run is also recorded with
# `perf record --call-graph dwarf` for 8 seconds of the sampling window (FILE is perf's data
# file). It ends only the processes it started, by their ids. Needs xvfb-run, xdotool and awk
# (and ImageMagick's import for --shot).
set -u

FACTOR=3 RUNS=3 SECONDS_=20 WARMUP=5 KEYS="space Up Return" HOLD=0.25 WALK="" SHOT="" PERF_OUT="" PROGRAM=""
while [[ $# -gt 0 ]]; do
    case $1 in
        --factor) FACTOR=$2; shift ;;
        --runs) RUNS=$2; shift ;;
        --seconds) SECONDS_=$2; shift ;;
        --warmup) WARMUP=$2; shift ;;
        --keys) KEYS=$2; shift ;;
        --hold) HOLD=$2; shift ;;
        --walk) WALK=$2; shift ;;
        --shot) SHOT=$2; shift ;;
        --perf) PERF_OUT=$2; shift ;;
        -h | --help) sed -n '2,/^set -u/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
        -*) echo "cpu_play: unknown option $1" >&2; exit 2 ;;
        *) PROGRAM=$1 ;;
    esac
    shift
done
HERE=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM=${PROGRAM:-$HERE/build/app/zolv}
[[ -x $PROGRAM ]] || { echo "cpu_play: no program at $PROGRAM" >&2; exit 2; }
PROGRAM=$(cd "$(dirname "$PROGRAM")" && pwd)/$(basename "$PROGRAM")
for tool in xvfb-run xdotool awk; do
    command -v $tool >/dev/null || { echo "cpu_play: $tool is missing" >&2; exit 2; }
done
# The window opens at the largest whole factor that fits 90 % of the screen.
case $FACTOR in
    1) SCREEN=400x300x24 ;;
    2) SCREEN=800x600x24 ;;
    3) SCREEN=1280x1024x24 ;;
    *) echo "cpu_play: factor 1, 2 or 3" >&2; exit 2 ;;
esac
HZ=$(getconf CLK_TCK)

# tree_ticks PID -> CPU clock ticks of PID and all its descendants (fails when PID is gone).
tree_ticks() {
    cat /proc/[0-9]*/stat 2>/dev/null | awk -v root="$1" '
    { pid = $1; r = $0; sub(/^.*\) /, "", r); split(r, f, " ")
      tk[pid] = f[12] + f[13] + f[14] + f[15]; kids[f[2]] = kids[f[2]] " " pid }
    END { if (!(root in tk)) exit 1
          todo = root; sum = 0
          while (todo != "") { split(todo, q, " "); todo = ""
              for (i in q) { p = q[i]; sum += tk[p]; if (p in kids) todo = todo kids[p] } }
          print sum }'
}
tree_pids() {
    cat /proc/[0-9]*/stat 2>/dev/null | awk -v root="$1" '
    { pid = $1; r = $0; sub(/^.*\) /, "", r); split(r, f, " "); kids[f[2]] = kids[f[2]] " " pid }
    END { todo = root; while (todo != "") { split(todo, q, " "); todo = ""
              for (i in q) { print q[i]; if (q[i] in kids) todo = todo kids[q[i]] } } }'
}
alive() { local s; s=$(cat "/proc/$1/stat" 2>/dev/null) || return 1; s=${s##*) }; [[ ${s:0:1} != Z ]]; }
end_pids() {
    local p i
    for p in "$@"; do kill -TERM "$p" 2>/dev/null; done
    for ((i = 0; i < 30; i++)); do
        local left=""; for p in "$@"; do alive "$p" && left+=" $p"; done
        [[ -z $left ]] && return 0
        sleep 0.1
    done
    for p in "$@"; do kill -KILL "$p" 2>/dev/null; done
}

TMP="" XRUN="" GPID=""
cleanup() {
    if [[ -n $GPID ]] && alive "$GPID"; then end_pids $(tree_pids "$GPID"); fi
    if [[ -n $XRUN ]]; then
        local i; for ((i = 0; i < 50; i++)); do alive "$XRUN" || break; sleep 0.1; done
        alive "$XRUN" && end_pids "$XRUN"
        wait "$XRUN" 2>/dev/null
    fi
    [[ -n $TMP ]] && rm -rf "$TMP"
    TMP="" XRUN="" GPID=""
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# One run, in this shell (not a subshell, so that cleanup sees what it started): sets PCT to
# the CPU percentage, or leaves it empty when the program died.
PCT=""
one_run() {
    local record=$1 i
    TMP=$(mktemp -d /tmp/cpu_play.XXXXXX)
    (cd "$(dirname "$PROGRAM")" &&
        SDL_AUDIODRIVER=dummy exec xvfb-run -a -s "-screen 0 $SCREEN -noreset" \
            sh -c 'echo "$$ $DISPLAY $XAUTHORITY" >"$0.tmp" && mv "$0.tmp" "$0" && exec "$@"' \
            "$TMP/info" "$PROGRAM" </dev/null >"$TMP/out.log" 2>&1) &
    XRUN=$!
    for ((i = 0; i < 300; i++)); do [[ -s $TMP/info ]] && break; sleep 0.05; done
    local disp auth
    read -r GPID disp auth <"$TMP/info" || return 1
    sleep "$WARMUP"
    local win
    win=$(DISPLAY=$disp XAUTHORITY=$auth timeout 5 xdotool search --pid "$GPID" 2>/dev/null | tail -1)
    local k
    for k in $KEYS; do
        [[ -n $win ]] && DISPLAY=$disp XAUTHORITY=$auth timeout 5 xdotool windowfocus "$win" 2>/dev/null
        DISPLAY=$disp XAUTHORITY=$auth timeout 5 xdotool keydown "$k" sleep "$HOLD" keyup "$k" \
            2>/dev/null
        sleep 1
    done
    sleep 2
    alive "$GPID" || { tail -5 "$TMP/out.log" >&2; return 1; }
    local s0 s1 t0 t1 perf_pid=""
    t0=$(date +%s.%N); s0=$(tree_ticks "$GPID")
    if [[ $record == yes && -n $PERF_OUT ]]; then
        perf record -q --call-graph dwarf -F 499 -p "$GPID" -o "$PERF_OUT" -- sleep 8 \
            >/dev/null 2>&1 &
        perf_pid=$!
    fi
    if [[ -n $WALK ]]; then
        local end w
        end=$(awk -v t="$t0" -v s="$SECONDS_" 'BEGIN { printf "%.3f", t + s }')
        while awk -v e="$end" -v n="$(date +%s.%N)" 'BEGIN { exit !(n < e) }'; do
            for w in $WALK; do
                DISPLAY=$disp XAUTHORITY=$auth timeout 5 xdotool keydown "$w" sleep 0.1 keyup "$w" \
                    2>/dev/null
                sleep 0.4
            done
        done
    else
        sleep "$SECONDS_"
    fi
    t1=$(date +%s.%N); s1=$(tree_ticks "$GPID") || return 1
    if [[ $record == yes && -n $SHOT ]]; then
        DISPLAY=$disp XAUTHORITY=$auth timeout 10 import -window root "$SHOT" 2>/dev/null
    fi
    [[ -n $perf_pid ]] && wait "$perf_pid"
    PCT=$(awk -v a="$s0" -v b="$s1" -v t0="$t0" -v t1="$t1" -v hz="$HZ" \
        'BEGIN { printf "%.1f\n", (b - a) / hz / (t1 - t0) * 100 }')
}

results=()
for ((run = 1; run <= RUNS; run++)); do
    record=no
    [[ -n $PERF_OUT$SHOT && $run -eq $RUNS ]] && record=yes
    PCT=""
    one_run $record
    cleanup
    [[ -n $PCT ]] || { echo "cpu_play: run $run: the program did not keep running" >&2; exit 1; }
    echo "run $run: $PCT %"
    results+=("$PCT")
done
median=$(printf '%s\n' "${results[@]}" | sort -g | awk '{ v[NR] = $1 } END {
    print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "median_cpu_percent_of_one_core=$median factor=$FACTOR runs=$RUNS load=\"$(cut -d' ' -f1-3 /proc/loadavg)\""
