#!/usr/bin/env bash
# How the whole quorvane-batch job grows with the input: uniform random addresses (CR LF lines,
# fixed seed) at each size, timed as a whole process with /usr/bin/time, median of REPS; then
# PIPE_SIZES lines generated into a pipe (`awk ... | quorvane-batch - -`), where peak RSS shows
# that memory does not grow with the input; then the 1M-line job with each of THREADS workers.
#   bench/batch/scaling.sh BUILD/bin/quorvane-batch BUILD/bin/ip2region.db [SIZES...]
# SIZES default to 10000 100000 1000000 10000000; PIPE_SIZES to 100000000 (empty: none); THREADS
# to "1 2 3 4"; REPS defaults to 3; inputs are kept in ${TMPDIR:-/tmp}/quorvane-scaling/.
set -euo pipefail
BATCH="$1"
DB="$2"
shift 2
SIZES="${*:-10000 100000 1000000 10000000}"
REPS="${REPS:-3}"
PIPE_SIZES="${PIPE_SIZES-100000000}"
THREADS="${THREADS:-1 2 3 4}"
DIR="${TMPDIR:-/tmp}/quorvane-scaling"
mkdir -p "$DIR"
echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n1), $(nproc) cpus; load $(cut -d' ' -f1-3 /proc/loadavg); $(date -u +%Y-%m-%dT%H:%MZ)"
# The uniform addresses of the inputs, n of them, as CR LF lines.
generate() {
  awk -v n="$1" 'BEGIN { srand(20261207); for (i = 0; i < n; i++) {
    v = int(rand() * 4294967296); printf "%d.%d.%d.%d\r\n", int(v / 16777216), int(v / 65536) % 256, int(v / 256) % 256, v % 256 } }'
}
# Median wall and CPU, peak RSS over the runs of "wall user sys maxrss" lines on stdin.
summary() {
  awk -v n="$1" -v label="$2" '
    { w[NR] = $1; c[NR] = $2 + $3; if ($4 > m) m = $4 }
    END { k = NR; for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) {
            if (w[j] < w[i]) { t = w[i]; w[i] = w[j]; w[j] = t }
            if (c[j] < c[i]) { t = c[i]; c[i] = c[j]; c[j] = t } }
          mid = int((k + 1) / 2)
          printf "| %s | %.3f | %.3f | %.1f | %.3f |\n", label, w[mid], c[mid], m / 1024, c[mid] * 1e6 / n }'
}
input() {
  local in="$DIR/in-$1.txt"
  if [ ! -f "$in" ]; then
    generate "$1" > "$in.tmp"
    mv "$in.tmp" "$in"
  fi
  echo "$in"
}

echo "| rows | wall s | CPU s | peak RSS MiB | CPU µs/row |"
echo "|---:|---:|---:|---:|---:|"
for n in $SIZES; do
  in=$(input "$n")
  for r in $(seq 1 "$REPS"); do
    /usr/bin/time -o "$DIR/time.txt" -f "%e %U %S %M" "$BATCH" --db "$DB" "$in" "$DIR/out.txt" > /dev/null 2>&1
    cat "$DIR/time.txt"
  done | summary "$n" "$n"
  rm -f "$DIR/out.txt"
done
# Once each: the generator itself takes as long as the command.
for n in $PIPE_SIZES; do
  generate "$n" | /usr/bin/time -o "$DIR/time.txt" -f "%e %U %S %M" "$BATCH" --db "$DB" - - 2>/dev/null | wc -c > "$DIR/bytes.txt"
  summary "$n" "$n (pipe, $(cat "$DIR/bytes.txt") bytes out)" < "$DIR/time.txt"
done

if [ -n "$THREADS" ]; then
  n=1000000
  in=$(input "$n")
  echo
  echo "| --threads (1M rows) | wall s | CPU s | peak RSS MiB | CPU µs/row |"
  echo "|---:|---:|---:|---:|---:|"
  for t in $THREADS; do
    for r in $(seq 1 "$REPS"); do
      /usr/bin/time -o "$DIR/time.txt" -f "%e %U %S %M" "$BATCH" --db "$DB" --threads "$t" "$in" "$DIR/out.txt" > /dev/null 2>&1
      cat "$DIR/time.txt"
    done | summary "$n" "$t"
  done
  rm -f "$DIR/out.txt"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
