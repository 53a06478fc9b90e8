#!/usr/bin/env bash
# Measures zt738-grade on the editor graded against itself: scripts graded
# per second per core for scripts of EVENTS (10,000 by default) and of 100
# events, the speed-up from --jobs 2 over --jobs 1, and the size of the
# report for 10 scripts. Per core is the processor time of the grader and its
# runs (user + system), which other load on the machine does not change; the
# speed-up is of wall-clock time, which it does.
#
#   bash bench/grade_speed.sh [BUILD_DIR] [EVENTS]   (default build/native, 10000)
set -euo pipefail
build=${1:-build/native}
events=${2:-10000}
grader=$build/tools/grade/zt738-grade
editor=$build/editor/zt738_editor
for f in "$grader" "$editor"; do
  [ -x "$f" ] || { echo "missing $f: build zt738-grade and zt738_editor first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# scripts FOLDER COUNT EVENTS: COUNT scripts of EVENTS clicks each, drawing a
# square, picking and deleting it over and over, each at other places.
scripts() {
  local folder=$1 count=$2 n=$3 s
  mkdir -p "$folder"
  for ((s = 0; s < count; s++)); do
    awk -v n="$n" -v s="$s" 'BEGIN {
      for (i = 0; i < n; i += 6) {
        x = ((i + s * 31) * 7) % 400 - 200; y = ((i + s * 31) * 13) % 300 - 150
        print "ZT738_MOUSE(-275, 225);"; print "ZT738_MOUSE(" x ", " y ");"
        print "ZT738_MOUSE(" x + 40 ", " y - 40 ");"; print "ZT738_MOUSE(-275, 25);"
        print "ZT738_MOUSE(" x + 20 ", " y ");"; print "ZT738_MOUSE(-275, 65);"
      }
    }' >"$folder/s$s.SCR"
  done
}

# grade FOLDER JOBS: "WALL CPU", seconds of wall-clock and processor time
# (the grader's and its runs') for the whole grading.
grade() {
  local TIMEFORMAT='%R %U %S' t
  t=$({ time "$grader" --jobs "$2" --timeout 0 --cpu-seconds 100000 --reference "$editor" \
    --scripts "$1" --report "$work/report" -- "$editor" >/dev/null; } 2>&1)
  awk '{ printf "%.2f %.2f\n", $1, $2 + $3 }' <<<"$t"
}

cores=$(nproc)
for n in $(printf "%s\n" "$events" 100 | sort -u); do
  count=$((n > 1000 ? 2 : 10))
  scripts "$work/e$n" "$count" "$n"
  read -r wall1 cpu1 < <(grade "$work/e$n" 1)
  read -r wall2 cpu2 < <(grade "$work/e$n" 2)
  printf '%6d events, %d scripts: %.3f scripts/s per core (%.2f processor s a script); --jobs 1 %.1f s, --jobs 2 %.1f s wall on %d cores: speed-up %.2f\n' \
    "$n" "$count" "$(echo "$count / $cpu1" | bc -l)" "$(echo "$cpu1 / $count" | bc -l)" \
    "$wall1" "$wall2" "$cores" "$(echo "$wall1 / $wall2" | bc -l)"
done
grade "$work/e100" 2 >/dev/null
echo "report for 10 scripts of 100 events: report.html $(wc -c <"$work/report/report.html") bytes, report.json $(wc -c <"$work/report/report.json") bytes"
