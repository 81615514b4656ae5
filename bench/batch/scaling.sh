#!/usr/bin/env bash
# How the whole quorvane-batch job grows with the input: uniform random addresses (CR LF lines,
# fixed seed) at each size, timed as a whole process with /usr/bin/time, median of REPS.
#   bench/batch/scaling.sh BUILD/bin/quorvane-batch BUILD/bin/ip2region.db [SIZES...]
# SIZES default to 10000 100000 1000000 10000000; REPS defaults to 3; inputs are kept in
# ${TMPDIR:-/tmp}/quorvane-scaling/.
set -euo pipefail
BATCH="$1"
DB="$2"
shift 2
SIZES="${*:-10000 100000 1000000 10000000}"
REPS="${REPS:-3}"
DIR="${TMPDIR:-/tmp}/quorvane-scaling"
mkdir -p "$DIR"
echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n1), $(nproc) cpus; load $(cut -d' ' -f1-3 /proc/loadavg); $(date -u +%Y-%m-%dT%H:%MZ)"
echo "| rows | wall s | CPU s | peak RSS MiB | CPU µs/row |"
echo "|---:|---:|---:|---:|---:|"
for n in $SIZES; do
  in="$DIR/in-$n.txt"
  if [ ! -f "$in" ]; then
    awk -v n="$n" 'BEGIN { srand(20261207); for (i = 0; i < n; i++) {
      v = int(rand() * 4294967296); printf "%d.%d.%d.%d\r\n", int(v / 16777216), int(v / 65536) % 256, int(v / 256) % 256, v % 256 } }' > "$in.tmp"
    mv "$in.tmp" "$in"
  fi
  runs=()
  for r in $(seq 1 "$REPS"); do
    /usr/bin/time -o "$DIR/time.txt" -f "%e %U %S %M" "$BATCH" --db "$DB" "$in" "$DIR/out.txt" > /dev/null
    runs+=("$(cat "$DIR/time.txt")")
  done
  printf '%s\n' "${runs[@]}" | awk -v n="$n" '
    { w[NR] = $1; c[NR] = $2 + $3; if ($4 > m) m = $4 }
    END { k = NR; for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) {
            if (w[j] < w[i]) { t = w[i]; w[i] = w[j]; w[j] = t }
            if (c[j] < c[i]) { t = c[i]; c[i] = c[j]; c[j] = t } }
          mid = int((k + 1) / 2)
          printf "| %d | %.3f | %.3f | %.1f | %.3f |\n", n, w[mid], c[mid], m / 1024, c[mid] * 1e6 / n }'
  rm -f "$DIR/out.txt"
done
