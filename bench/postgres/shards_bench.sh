#!/usr/bin/env bash
# Lookups across shards: rows a second of one query that looks up every row of an access log
# hash-partitioned into two partitions (scripts/pg-shards.sh), with both partitions on one shard
# and with one partition on each of two shards, beside the same lookups of the same rows in plain
# tables on the coordinator itself. The three queries take turns in one session; prints the best
# of several rounds of each.
# A benchmark, not a test: run it on a quiet machine, with a core for each shard and one for the
# coordinator.
# Usage: bench/postgres/shards_bench.sh [BUILD_DIR] [ROWS] [RUNS]   (defaults build/default 1000000 5)
source "$(dirname "$0")/bench-args.sh"
source "$here/../../scripts/pg-shards.sh"
# Room for every table in memory, so that the queries read their rows from the servers' buffers.
PG_SERVER_OPTIONS="-c shared_buffers=256MB" pg_private_start "$build"
pg_private_add_server shard1
pg_private_add_server shard2
pg_shards_connect shard1 shard2
# Partition 2 lives on both shards: the one-shard tables read shard1's copy.
pg_shard_partition shard1 1
pg_shard_partition shard1 2
pg_shard_partition shard2 2
pg_shards_tables two_log two_geo shard1 shard2
pg_shards_tables one_log one_geo shard1 shard1

# The same two partitions as plain tables on the coordinator, for the lookups without one.
pg_sql -v ON_ERROR_STOP=1 -c "SELECT setseed(0.21)" -c "
    INSERT INTO two_log
        SELECT i, '0.0.0.0'::inet + (random() * 4294967295)::bigint FROM generate_series(1, $rows) i;
    INSERT INTO one_log_2 SELECT * FROM two_log_2;" -c "$(pg_partition_sql 1)" \
    -c "$(pg_partition_sql 2)" -c "
    INSERT INTO access_log_1 SELECT * FROM two_log_1;
    INSERT INTO access_log_2 SELECT * FROM two_log_2;" -c "VACUUM ANALYZE" >/dev/null
for shard in shard1 shard2; do
    pg_sql_on "$shard" -c "VACUUM ANALYZE" >/dev/null
done
counts=$(pg_sql -c "SELECT (SELECT count(*) FROM one_log) || ' ' || (SELECT count(*) FROM two_log)
                    || ' ' || (SELECT count(*) FROM access_log_1) + (SELECT count(*) FROM access_log_2)")
[ "$counts" = "$rows $rows $rows" ] || pg_private_fail "the tables hold $counts rows, not $rows each"

# Every row is looked up on the server that holds it; only the country and its count come back.
grouped="SELECT country, count(*) FROM %s GROUP BY country"
queries=("$(printf "$grouped" "(SELECT country FROM access_geo_1 UNION ALL
                                 SELECT country FROM access_geo_2) s")"
         "$(printf "$grouped" one_geo)" "$(printf "$grouped" two_geo)")
for table in one_geo two_geo; do
    pg_sql -c "EXPLAIN (COSTS OFF) $(printf "$grouped" $table)" | grep -c 'Async Foreign Scan' |
        grep -qx 2 || echo "warning: $table's partitions are not read asynchronously" >&2
done

# The times in ms of $runs rounds of the three queries taking turns in one session, serial, after
# one round that warms the buffers and opens the connections and the databases.
args=(-c "SET max_parallel_workers_per_gather = 0" -c "\\o /dev/null")
for ((i = 0; i <= runs; ++i)); do
    args+=(-c "\\timing $([ "$i" -eq 0 ] && echo off || echo on)"
           -c "${queries[0]}" -c "${queries[1]}" -c "${queries[2]}")
done
times=$(pg_sql "${args[@]}" | sed -n 's/^Time: \([0-9.]*\) ms.*/\1/p')
[ "$(wc -l <<<"$times")" -eq $((3 * runs)) ] || pg_private_fail "not every query was timed"
best() { awk -v k="$1" 'NR % 3 == k' <<<"$times" | sort -n | head -n 1; }

echo "rows: $rows, best of $runs rounds; load: $(uptime | sed 's/.*load average: //')"
printf '| where the lookups run | ms | rows a second | against one shard |\n|---|---|---|---|\n'
awk -v n="$rows" -v l="$(best 1)" -v o="$(best 2)" -v t="$(best 0)" 'BEGIN {
    printf "| one server, no shards | %.0f | %.2f M | %.2f× |\n", l, n / l / 1000, o / l
    printf "| coordinator, one shard | %.0f | %.2f M | 1.00× |\n", o, n / o / 1000
    printf "| coordinator, two shards | %.0f | %.2f M | %.2f× |\n", t, n / t / 1000, o / t }'
