#!/usr/bin/env bash
# SQL across several servers: a coordinator and two shards of our own (scripts/pg-shards.sh), an
# access log hash-partitioned by id across the shards, each shard looking up its own rows. Every
# server is stopped and the folder removed however the checks end, by a failure or a signal too.
# Usage: multi_server_test.sh CHECK BUILD_DIR QUORVANE_BATCH QUORVANE_DBMAKE
set -uo pipefail
check=$1 build=$2 batch=$3 dbmake=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/pg-private-server.sh"
source "$here/../../scripts/pg-shards.sh"
source "$here/checks.sh"

start_cluster() {
    PG_SERVER_OPTIONS="-c shared_buffers=16MB" pg_private_start "$build"
    pg_private_add_server shard1
    pg_private_add_server shard2
    echo "servers in $pg_work, pids $(head -q -n 1 "$pg_work"/data/postmaster.pid \
        "$pg_work"/shard*/data/postmaster.pid | paste -sd ' ')"
    pg_shards_connect shard1 shard2
    pg_shard_partition shard1 1
    pg_shard_partition shard2 2
    pg_shards_tables access_log access_geo shard1 shard2
}

# A few thousand addresses spread over the whole space, the ends among them, written to the log
# through the coordinator (which routes each row to its shard) and answered by quorvane-batch:
# expected.txt holds "id|line" with the line as quorvane-batch writes it.
load_log() {
    awk 'BEGIN { srand(21); print "0.0.0.0"; print "255.255.255.255"; print "114.114.114.114"
                 for (i = 0; i < 3000; ++i)
                     printf "%d.%d.%d.%d\n", int(rand() * 256), int(rand() * 256),
                            int(rand() * 256), int(rand() * 256) }' >"$pg_work/addresses.txt"
    "$batch" --db "$build/bin/ip2region.db" "$pg_work/addresses.txt" "$pg_work/batch.txt" >/dev/null ||
        pg_private_fail "quorvane-batch failed"
    tr -d '\r' <"$pg_work/batch.txt" | awk '{ print NR "|" $0 }' >"$pg_work/expected.txt"
    awk '{ print NR "\t" $0 }' "$pg_work/addresses.txt" >"$pg_work/log.tsv"
    pg_sql -v ON_ERROR_STOP=1 -c "\\copy access_log (id, client_addr) FROM '$pg_work/log.tsv'" ||
        pg_private_fail "loading the log failed"
}

# "id|line" for every row of TABLE on the coordinator, in id order.
rows_of() {
    pg_sql -c "SELECT id, host(client_addr) || ',' || concat_ws(',', country, province, city, provider)
               FROM $1" | sort -t '|' -k 1,1n
}

# The update procedure on one server: the module first, so that the session knows the setting.
point_at() {  # point_at SERVER_FOLDER DATABASE
    pg_sql_at "$1" -v ON_ERROR_STOP=1 -c "LOAD 'quorvane'" \
        -c "ALTER SYSTEM SET quorvane.database = '$2'" -c "SELECT pg_reload_conf()" >/dev/null ||
        pg_private_fail "pointing $1 at $2 failed"
}

# What is left of the folder and the servers a run of this script named.
left_behind() {  # left_behind OUTPUT_FILE
    local folder pids pid
    folder=$(sed -n 's/^servers in \(.*\), pids .*/\1/p' "$1")
    pids=$(sed -n 's/^servers in .*, pids //p' "$1")
    [ -n "$folder" ] && [ "$(wc -w <<<"$pids")" -eq 3 ] || { echo "no servers named"; return; }
    [ ! -e "$folder" ] || echo "folder $folder"
    # A server that has exited but whose parent has not reaped it yet is a zombie: gone.
    for pid in $pids; do
        case $(awk '/^State:/ { print $2 }' "/proc/$pid/status" 2>/dev/null) in
        "" | Z) ;;
        *) echo "server $pid" ;;
        esac
    done
}

case "$check" in
lookups)
    start_cluster
    load_log
    expect "answers through the coordinator equal quorvane-batch's" "$(cat "$pg_work/expected.txt")" \
        "$(rows_of access_geo)"
    count1=$(pg_sql_on shard1 -c "SELECT count(*) FROM access_log_1")
    count2=$(pg_sql_on shard2 -c "SELECT count(*) FROM access_log_2")
    expect "each shard holds a share of the rows" "3003 t t" \
        "$((count1 + count2)) $([ "$count1" -gt 500 ] && echo t) $([ "$count2" -gt 500 ] && echo t)"

    plan=$(pg_sql -c "EXPLAIN (VERBOSE, COSTS OFF) SELECT id, country FROM access_geo")
    echo "$plan"
    expect "both partitions are read asynchronously" 2 "$(grep -c 'Async Foreign Scan' <<<"$plan")"
    expect "the coordinator calls no lookup" 0 "$(grep -c quorvane_lookup <<<"$plan")"
    mapfile -t remote < <(sed -n 's/^ *Remote SQL: //p' <<<"$plan")
    expect "one remote query per shard" 2 "${#remote[@]}"
    for p in 1 2; do
        shard_plan=$(pg_sql_on "shard$p" -c "EXPLAIN (VERBOSE, COSTS OFF) ${remote[p - 1]:-}")
        echo "shard$p: ${remote[p - 1]:-}"$'\n'"$shard_plan"
        expect "shard$p's remote query looks up its rows" \
            "1 Function Call: quorvane_lookup(l.client_addr) 1" \
            "$(grep -c "access_geo_$p" <<<"${remote[p - 1]:-}") $(grep -o 'Function Call: .*' \
                <<<"$shard_plan") $(grep -c "Seq Scan on public.access_log_$p" <<<"$shard_plan")"
    done

    # A filter on id reaches one shard, and there the table's index, before any lookup.
    plan=$(pg_sql -c "EXPLAIN (VERBOSE, COSTS OFF) SELECT country FROM access_geo WHERE id = 42")
    p=$(sed -n 's/.*Foreign Scan on public.access_geo_\([12]\).*/\1/p' <<<"$plan")
    remote=$(sed -n 's/^ *Remote SQL: //p' <<<"$plan")
    shard_plan=$(pg_sql_on "shard${p:-1}" -c "EXPLAIN (VERBOSE, COSTS OFF) $remote")
    echo "$plan"$'\n'"$shard_plan"
    expect "a filter on id is sent to the one shard that holds the row" "1 1" \
        "$(wc -l <<<"$p") $(grep -c 'WHERE ((id = 42))' <<<"$remote")"
    expect "the shard finds the row by its index" 1 \
        "$(grep -c "Index Cond: (l.id = 42)" <<<"$shard_plan")"
    expect "and gives the row's answer" "$(awk -F '[|,]' '$1 == 42 { print $3 }' "$pg_work/expected.txt")" \
        "$(pg_sql -c "SELECT country FROM access_geo WHERE id = 42")"
    ;;
own_database)
    start_cluster
    load_log
    # The coordinator's own database is gone and shard2's is one whose every address is M|0|P|C|I:
    # the answers show which server looked each row up.
    printf '0.0.0.0,255.255.255.255,M|0|P|C|I\n' >"$pg_work/marker.txt"
    "$dbmake" "$pg_work/marker.txt" "$pg_work/marker.db" >/dev/null || pg_private_fail "dbmake failed"
    pg_give_to_server "$pg_work/marker.db"
    point_at "$pg_work" "$pg_work/none.db"
    point_at "$pg_work/shard2" "$pg_work/marker.db"
    expect "the coordinator cannot look up anything" 1 \
        "$(pg_sql -c "SELECT quorvane_region_text('8.8.8.8')" 2>&1 | grep -c 'none.db')"
    ids1=$(pg_sql_on shard1 -c "SELECT id FROM access_log_1 ORDER BY id")
    expect "shard1's rows keep the shipped database's answers" \
        "$(join -t '|' <(sort -t '|' -k 1,1 "$pg_work/expected.txt") <(sort <<<"$ids1") | sort -t '|' -k 1,1n)" \
        "$(rows_of access_geo_1)"
    expect "shard2's rows all have its own database's answer" \
        "$(pg_sql_on shard2 -c "SELECT count(*) FROM access_log_2") 0" \
        "$(rows_of access_geo_2 | grep -c ',M,P,C,I$') $(rows_of access_geo_2 | grep -vc ',M,P,C,I$')"
    ;;
cleanup)
    # A run that fails after starting its servers, and one ended by a signal, leave nothing.
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    bash "$0" fail_after_start "${@:2}" >"$scratch/failed.txt" 2>&1
    expect "a failing run fails" 1 "$?"
    expect "a failing run leaves nothing" "" "$(left_behind "$scratch/failed.txt")"
    bash "$0" until_signal "${@:2}" >"$scratch/signalled.txt" 2>&1 &
    child=$!
    for ((i = 0; i < 600; ++i)); do
        grep -q '^servers in .*, pids' "$scratch/signalled.txt" && break
        sleep 0.2
    done
    kill -TERM "$child"
    wait "$child"
    expect "a run ended by SIGTERM exits 143" 143 "$?"
    expect "a run ended by SIGTERM leaves nothing" "" "$(left_behind "$scratch/signalled.txt")"
    ;;
fail_after_start)
    start_cluster
    pg_private_fail "failing on purpose, with three servers running"
    ;;
until_signal)
    start_cluster
    while :; do sleep 0.2; done
    ;;
*) pg_private_fail "unknown check $check" ;;
esac

checks_done "multi_server_test $check"
