#!/bin/bash
# Prints the reader's performance figures in one run on this machine:
# start-up against a bare page view (the floor), selection to page loaded,
# beside a bare view loading the same file, a held arrow key, page writes,
# tree build, and memory (PSS of the process and its helpers).
#   tools/bench.sh [runs]       (run by hand; never part of the tests)
set -e
cd "$(dirname "$0")/.."
runs=${1:-10}
tools/setup.sh
cmake --build build --target startup_probe floor_probe selection_timing key_repeat_timing library_tree_timing page_bench \
  find_bench quillora >/dev/null
b=build/bench
work=$(mktemp -d)
export HOME="$work/home" XDG_CACHE_HOME="$work/home/cache" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$HOME"
QT_QPA_PLATFORM=offscreen $b/startup_probe --write-about "$work" 2>/dev/null

stats() {  # median (min, max) of the numbers on stdin
  sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2;
    printf "median %.1f (min %.1f, max %.1f, n %d)", m, a[1], a[NR], NR}'
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2}'; }

pss_tree() {  # PSS in MB of a process and all its descendants
  local pids="$1" all="" next
  while [ -n "$pids" ]; do
    all="$all $pids"; next=""
    for p in $pids; do next="$next $(cat /proc/$p/task/*/children 2>/dev/null)"; done
    pids=$(echo $next)
  done
  for p in $all; do awk '/^Pss:/ {print $2}' /proc/$p/smaps_rollup 2>/dev/null; done |
    awk '{s+=$1} END {printf "%.1f", s/1024}'
}

floor_memory() {  # PSS in MB of a bare page view showing the About page, at rest
  coproc F { $b/floor_probe "$work/readme.htm" stay 2>/dev/null; }
  read -r _ <&"${F[0]}"; sleep 2
  pss_tree $F_PID
  echo >&"${F[1]}"; wait $F_PID 2>/dev/null || true
}

startup() {  # $1 = display mode label; the platform comes from the environment
  local reader floor
  reader=$(for i in $(seq $runs); do $b/startup_probe 2>/dev/null | head -1; done | tee "$work/r" | stats)
  floor=$(for i in $(seq $runs); do $b/floor_probe "$work/readme.htm" 2>/dev/null | head -1; done | tee "$work/f" | stats)
  echo "start-up to About page loaded, $1: reader $reader ms"
  echo "                                 floor  $floor ms"
  echo "  ratio reader / floor (medians): $(echo "$(median < "$work/r") $(median < "$work/f")" | awk '{printf "%.2f", $1/$2}')"
  echo "start-up to window shown, $1: $(for i in $(seq $runs); do $b/startup_probe --shown 2>/dev/null | head -1; done | stats) ms"
}

memory() {
  coproc R { $b/startup_probe 1000 2>/dev/null; }
  read -r _ <&"${R[0]}"; sleep 2
  local start=$(pss_tree $R_PID)
  echo >&"${R[1]}"; read -r _ <&"${R[0]}"; sleep 2  # at rest, as after a reader pauses
  local after=$(pss_tree $R_PID)
  sleep 8  # and once the engine's own periodic clean-ups have run
  local later=$(pss_tree $R_PID)
  echo >&"${R[1]}"; wait $R_PID 2>/dev/null || true
  local floor=$(floor_memory)
  echo "memory (PSS, process and helpers), $1: reader after start $start MB, after 1000 choices $after MB (10 s later $later MB); floor $floor MB"
}

library_memory() {  # PSS at rest with the library found, and after 300 library searches
  coproc L { $b/startup_probe --searches bench/library_queries.txt 300 2>/dev/null; }
  read -r _ <&"${L[0]}"; sleep 2
  local rest=$(pss_tree $L_PID)
  echo >&"${L[1]}"; read -r _ <&"${L[0]}"; sleep 2
  local used=$(pss_tree $L_PID)
  echo >&"${L[1]}"; wait $L_PID 2>/dev/null || true
  local floor=$(floor_memory)
  echo "memory with the library, $1: at rest $rest MB, after 300 library searches $used MB; floor $floor MB"
}

echo "== $(date -u +%F) $(nproc) cores, $(uname -r)"
echo "executable: $(stat -c %s build/shell/Quillora) bytes ($(strip -o "$work/q" build/shell/Quillora && stat -c %s "$work/q") stripped), content database $(stat -c %s build/resources/ts.dic) bytes"
QUILLORA_LIBRARY=/nonexistent QT_QPA_PLATFORM=offscreen startup offscreen
QUILLORA_LIBRARY=/nonexistent QT_QPA_PLATFORM=offscreen memory offscreen
# The library, when one is found (QUILLORA_LIBRARY or the build tree): start-up
# and memory with it beside the floor.
library=${QUILLORA_LIBRARY:-build/library/library.qll}
if [ -f "$library" ]; then
  QUILLORA_LIBRARY=$library QT_QPA_PLATFORM=offscreen startup "offscreen, library installed"
  QUILLORA_LIBRARY=$library QT_QPA_PLATFORM=offscreen library_memory offscreen
  QUILLORA_LIBRARY=$library xvfb-run -a -s "-screen 0 1280x1024x24" $b/key_repeat_timing 3 --library 2>/dev/null | sed 's/^/Xvfb: /'
  QUILLORA_LIBRARY=$library xvfb-run -a -s "-screen 0 1280x1024x24" $b/library_tree_timing 5 2>/dev/null | sed 's/^/Xvfb: /'
fi
QT_QPA_PLATFORM=offscreen $b/selection_timing 20 2>/dev/null
QT_QPA_PLATFORM=offscreen $b/key_repeat_timing 3 2>/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f stats median startup); b=$b work=$work runs=$runs startup Xvfb"
xvfb-run -a -s "-screen 0 1280x1024x24" $b/selection_timing 20 2>/dev/null | sed 's/^/Xvfb: /'
xvfb-run -a -s "-screen 0 1280x1024x24" $b/key_repeat_timing 3 2>/dev/null | sed 's/^/Xvfb: /'
QT_QPA_PLATFORM=offscreen $b/page_bench --benchmark_min_time=0.5 2>/dev/null | grep -E '^(Poem|Era|Idiom|Tree)'
$b/find_bench 5
rm -rf "$work"
