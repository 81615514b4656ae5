#!/usr/bin/env bash
# The SQL extension's cost per row beside the executor's own: over a table of random IPv4 inet
# values and one of random IPv6 values drawn where the allocated space lies,
# `SELECT count(quorvane_lookup(a))` against `SELECT count(host(a))` in the same run, serially and
# with two parallel workers. Prints the best of several runs of each query, the ratio and the
# lookups per second. A benchmark, not a test: run it on a quiet machine.
# Usage: bench/postgres/sql_bench.sh [BUILD_DIR] [ROWS] [RUNS]   (defaults build/default 1000000 5)
source "$(dirname "$0")/bench-args.sh"
# Room for the tables in memory, so that both queries read them from the server's buffers.
PG_SERVER_OPTIONS="-c shared_buffers=512MB -c max_parallel_workers_per_gather=2" \
    pg_private_start "$build"

pg_sql -v ON_ERROR_STOP=1 -c "SELECT setseed(0.13)" -c "
    CREATE TABLE addresses AS
        SELECT '0.0.0.0'::inet + (random() * 4294967295)::bigint AS a
        FROM generate_series(1, $rows);
    ALTER TABLE addresses SET (parallel_workers = 2);" -c "VACUUM ANALYZE addresses" >/dev/null
# A prefix of the registries or the big networks, three random groups, then 64 random bits.
pg_sql -v ON_ERROR_STOP=1 -c "SELECT setseed(0.17)" -c "
    CREATE TABLE addresses6 AS
        SELECT format('%s:%s:%s:%s::', p[1 + floor(random() * array_length(p, 1))::int],
                      to_hex(floor(random() * 65536)::int), to_hex(floor(random() * 65536)::int),
                      to_hex(floor(random() * 65536)::int))::inet
               + (random() * 9e18)::bigint AS a
        FROM generate_series(1, $rows),
             (SELECT '{2001,2400,2401,2404,2406,2408,2409,240e,2600,2601,2602,2604,2606,2607,
                       2620,2800,2a00,2a01,2a02,2a03,2a04,2a05,2a0e,2c0f}'::text[] AS p) prefixes;
    ALTER TABLE addresses6 SET (parallel_workers = 2);" -c "VACUUM ANALYZE addresses6" >/dev/null

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

echo "rows: $rows per table, best of $runs runs each (ms)"
printf '| family | plan | count(host(a)) | count(quorvane_lookup(a)) | ratio | lookups/s |\n'
printf '|---|---|---|---|---|---|\n'
for table in addresses addresses6; do
    family=$([ "$table" = addresses ] && echo IPv4 || echo IPv6)
    for plan in serial parallel; do
        setting=${!plan}
        host=$(best_ms "$setting" "SELECT count(host(a)) FROM $table")
        lookup=$(best_ms "$setting" "SELECT count(quorvane_lookup(a)) FROM $table")
        label=$([ "$plan" = serial ] && echo "serial" || echo "2 parallel workers")
        awk -v f="$family" -v p="$label" -v h="$host" -v l="$lookup" -v n="$rows" \
            'BEGIN { printf "| %s | %s | %.1f | %.1f | %.2f× | %.2fM |\n", f, p, h, l, l / h,
                     n / l / 1000 }'
    done
done
pg_sql -c "$parallel" -c "EXPLAIN (COSTS OFF) SELECT count(quorvane_lookup(a)) FROM addresses" |
    grep -q "Workers Planned: 2" || echo "warning: the parallel plan did not plan two workers" >&2

# What the databases cost one server process: the first call of each family, which opens its file
# (a read and a check of the whole file), and the process's memory once a query over every row of
# both tables has touched both: Rss counts pages shared with other processes (the server's shared
# buffers), Pss shares them out, Anonymous is memory of the process's own.
first=$(pg_sql -c '\timing on' -c "SELECT quorvane_region_text('1.2.3.4')" \
    -c "SELECT quorvane_region_text('2001:db8::1')" | sed -n 's/^Time: \([0-9.]*\) ms.*/\1/p' |
    paste -sd ' ')
echo "first call of a session (opens the database), IPv4 and IPv6: $first ms"
pg_sql <<'SQL'
SELECT pg_backend_pid() AS pid \gset
\setenv QUORVANE_PID :pid
\o /dev/null
SELECT count(quorvane_lookup(a)) FROM addresses;
SELECT count(quorvane_lookup(a)) FROM addresses6;
\o
\! awk '/^(Rss|Pss|Anonymous):/ { m[$1] = $2 } END { printf "one process after the query: Rss %d MB, Pss %d MB, Anonymous %d MB\n", m["Rss:"] / 1024, m["Pss:"] / 1024, m["Anonymous:"] / 1024 }' /proc/$QUORVANE_PID/smaps_rollup
SQL
