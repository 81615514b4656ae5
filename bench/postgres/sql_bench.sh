#!/usr/bin/env bash
# The SQL extension's cost per row beside the executor's own: over one table of random IPv4
# inet values, `SELECT count(quorvane_lookup(a))` against `SELECT count(host(a))` in the same
# run, serially and with two parallel workers. Prints the best of several runs of each query and
# the ratio. A benchmark, not a test: run it on a quiet machine.
# Usage: bench/postgres/sql_bench.sh [BUILD_DIR] [ROWS] [RUNS]   (defaults build/default 1000000 5)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build/default}" && pwd)
rows=${2:-1000000}
runs=${3:-5}
source "$here/../../scripts/pg-private-server.sh"
# Room for the table in memory, so that both queries read it from the server's buffers.
PG_SERVER_OPTIONS="-c shared_buffers=256MB -c max_parallel_workers_per_gather=2" \
    pg_private_start "$build"

pg_sql -v ON_ERROR_STOP=1 -c "SELECT setseed(0.13)" -c "
    CREATE TABLE addresses AS
        SELECT '0.0.0.0'::inet + (random() * 4294967295)::bigint AS a
        FROM generate_series(1, $rows);
    ALTER TABLE addresses SET (parallel_workers = 2);" -c "VACUUM ANALYZE addresses" >/dev/null

serial="SET max_parallel_workers_per_gather = 0;"
parallel="SET parallel_setup_cost = 0; SET parallel_tuple_cost = 0;
          SET min_parallel_table_scan_size = 0;"

# The best time in ms of $runs runs of query $2 after setting $1, after one run that warms the
# buffers and opens the database.
best_ms() {
    local args=(-c "$1" -c '\timing on') i
    for ((i = 0; i <= runs; ++i)); do
        args+=(-c "$2")
    done
    pg_sql "${args[@]}" | sed -n 's/^Time: \([0-9.]*\) ms.*/\1/p' | tail -n +2 | sort -n | head -n 1
}

echo "rows: $rows, best of $runs runs each (ms)"
printf '| plan | count(host(a)) | count(quorvane_lookup(a)) | ratio |\n|---|---|---|---|\n'
for plan in serial parallel; do
    setting=${!plan}
    host=$(best_ms "$setting" "SELECT count(host(a)) FROM addresses")
    lookup=$(best_ms "$setting" "SELECT count(quorvane_lookup(a)) FROM addresses")
    label=$([ "$plan" = serial ] && echo "serial" || echo "2 parallel workers")
    awk -v p="$label" -v h="$host" -v l="$lookup" \
        'BEGIN { printf "| %s | %.1f | %.1f | %.2f× |\n", p, h, l, l / h }'
done
pg_sql -c "$parallel" -c "EXPLAIN (COSTS OFF) SELECT count(quorvane_lookup(a)) FROM addresses" |
    grep -q "Workers Planned: 2" || echo "warning: the parallel plan did not plan two workers" >&2

# What the database costs one server process: its first call, which opens the file (a read and a
# check of the whole file, or a mapping), and the process's memory once a query over every row
# has touched the whole index: Rss counts pages shared with other processes (a mapping's, the
# server's shared buffers), Pss shares them out, Anonymous is memory of the process's own.
first=$(pg_sql -c '\timing on' -c "SELECT quorvane_region_text('1.2.3.4')" |
    sed -n 's/^Time: \([0-9.]*\) ms.*/\1/p')
echo "first call of a session (opens the database): $first ms"
pg_sql <<'SQL'
SELECT pg_backend_pid() AS pid \gset
\setenv QUORVANE_PID :pid
\o /dev/null
SELECT count(quorvane_lookup(a)) FROM addresses;
\o
\! awk '/^(Rss|Pss|Anonymous):/ { m[$1] = $2 } END { printf "one process after the query: Rss %d MB, Pss %d MB, Anonymous %d MB\n", m["Rss:"] / 1024, m["Pss:"] / 1024, m["Anonymous:"] / 1024 }' /proc/$QUORVANE_PID/smaps_rollup
SQL
