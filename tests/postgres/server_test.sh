#!/usr/bin/env bash
# Runs one group of checks of the SQL extension against a real PostgreSQL server of its own
# (scripts/pg-private-server.sh: a temporary folder, a Unix socket only, the postgres user when run
# as root); the server is stopped and its folder removed however the checks end.
# Usage: server_test.sh CHECK BUILD_DIR QUORVANE_BATCH QUORVANE_DBMAKE QUORVANE_TEST_DB6MAKE
set -uo pipefail
check=$1 build=$2 batch=$3 dbmake=$4 db6make=$5
source "$(dirname "$0")/../../scripts/pg-private-server.sh"
sharedir=$("$pg_config_program" --sharedir)
PG_SERVER_OPTIONS="-c shared_buffers=16MB" pg_private_start "$build"
work=$pg_work root="$pg_work/root"
fail() { pg_private_fail "$@"; }
sql() { pg_sql "$@"; }

source "$(dirname "$0")/checks.sh"

# Settings that make a parallel plan over TABLE certain, with the leader only gathering: every
# lookup then runs in a worker process, each opening its database for itself.
parallel_settings() {
    echo "SET max_parallel_workers_per_gather = 2; SET parallel_setup_cost = 0;
          SET parallel_tuple_cost = 0; SET min_parallel_table_scan_size = 0;
          SET parallel_leader_participation = off;
          ALTER TABLE $1 SET (parallel_workers = 2); ANALYZE $1;"
}

# A few thousand addresses spread over the whole space (the same ones every run), the ends of the
# space among them, loaded into a table and answered by quorvane-batch for comparison.
load_addresses() {
    awk 'BEGIN { srand(13); print "0.0.0.0"; print "255.255.255.255"; print "8.8.8.8"
                 for (i = 0; i < 4000; ++i)
                     printf "%d.%d.%d.%d\n", int(rand() * 256), int(rand() * 256),
                            int(rand() * 256), int(rand() * 256) }' >"$work/addresses.txt"
    "$batch" --db "$build/bin/ip2region.db" "$work/addresses.txt" "$work/batch.txt" ||
        fail "quorvane-batch failed"
    tr -d '\r' <"$work/batch.txt" >"$work/expected.txt"
    sql -v ON_ERROR_STOP=1 -c "CREATE TABLE addresses (n serial, a inet)" \
        -c "\\copy addresses (a) FROM '$work/addresses.txt'" || fail "loading the addresses failed"
}
# IPv6 addresses where the allocated space lies (the prefixes of the registries and of the big
# networks), the ends of the space, addresses the users' lists hold, IPv4-mapped ones and every
# tenth an IPv4 address among them, the same every run; answered by quorvane-batch for comparison.
load_addresses6() {
    awk 'BEGIN { srand(17); n = split("2001 2400 2401 2402 2404 2406 2408 2409 240e 2600 2601 " \
                 "2602 2604 2605 2606 2607 2610 2620 2800 2801 2803 2a00 2a01 2a02 2a03 2a04 " \
                 "2a05 2a06 2a0e 2c0f 2001 240e 2a02", prefixes, " ")
                 print "::"; print "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"; print "::1"
                 print "2001:4860:4860::8888"; print "240e:4c:4008::1"; print "2409:8000::1"
                 print "::ffff:8.8.8.8"; print "::ffff:1.0.0.7"; print "::8.8.8.8"
                 for (i = 0; i < 4000; ++i) {
                     if (i % 10 == 0) {
                         printf "%d.%d.%d.%d\n", int(rand() * 256), int(rand() * 256),
                                int(rand() * 256), int(rand() * 256)
                         continue }
                     printf "%s", prefixes[1 + int(rand() * n)]
                     for (g = 1; g < 8; ++g) printf ":%x", int(rand() * 65536)
                     printf "\n" } }' >"$work/addresses6.txt"
    "$batch" --db "$build/bin/ip2region.db" --db6 "$build/bin/region6.db" "$work/addresses6.txt" \
        "$work/batch6.txt" || fail "quorvane-batch failed on IPv6 addresses"
    # The fields only: the address column holds the text as the list gave it.
    tr -d '\r' <"$work/batch6.txt" | cut -d, -f2- >"$work/expected6.txt"
    sql -v ON_ERROR_STOP=1 -c "CREATE TABLE addresses6 (n serial, a inet)" \
        -c "\\copy addresses6 (a) FROM '$work/addresses6.txt'" || fail "loading the addresses failed"
}
rows6_query="SELECT concat_ws(',', (r).country, (r).province, (r).city, (r).provider)
             FROM (SELECT n, quorvane_lookup(a) AS r FROM addresses6) s ORDER BY n"
# A small region6.db with known answers: blocks of two ranges, a gap without data, texts that
# exercise the field rules.
make_small6() {
    printf '%s\n' '::,1fff:ffff:ffff:ffff:ffff:ffff:ffff:ffff,保留|0|0|0|0' \
        '2001:db8::,2001:db8::ffff,W|0|X|Y|Z' '2001:db8:0:1::,2001:db8:0:1:ffff:ffff:ffff:ffff,W||X|Y|Z' \
        '2409:8000::,2409:8000:ffff:ffff:ffff:ffff:ffff:ffff,中国|0|北京|北京市|移动' \
        'fe80::,febf:ffff:ffff:ffff:ffff:ffff:ffff:ffff,0|0|0|0|0' >"$work/ranges6.txt"
    "$db6make" "$work/ranges6.txt" "$work/small6.db" || fail "quorvane-test-db6make failed"
    pg_give_to_server "$work/small6.db"
}

# One line per address as quorvane-batch writes it.
rows_query="SELECT host(a) || ',' || concat_ws(',', (r).country, (r).province, (r).city, (r).provider)
            FROM (SELECT n, a, quorvane_lookup(a) AS r FROM addresses) s ORDER BY n"

case "$check" in
matches_batch)
    # Everything the component put in place is in the manifest that uninstalling reads.
    pkglibdir=$("$pg_config_program" --pkglibdir)
    for file in "$pkglibdir/quorvane.so" "$sharedir/extension/quorvane.control" \
        "$sharedir/extension/quorvane--1.0.sql" "$sharedir/quorvane/ip2region.db" \
        "$sharedir/quorvane/region6.db"; do
        expect "the install manifest lists $file" "$file" \
            "$(grep -x "$file" "$build/install_manifest_postgres.txt")"
    done
    # A database that preloads the module shows the setting from a session's start, before any
    # lookup or LOAD.
    sql -c "ALTER DATABASE postgres SET session_preload_libraries = 'quorvane'" >/dev/null
    expect "SHOW before the first lookup" "$sharedir/quorvane/ip2region.db" \
        "$(sql -c "SHOW quorvane.database" | sed "s|^$root||")"
    sql -c "ALTER DATABASE postgres RESET session_preload_libraries" >/dev/null
    load_addresses
    expect "the installed database is the default" "$sharedir/quorvane/ip2region.db" \
        "$(sql -c "LOAD 'quorvane'" -c "SHOW quorvane.database" | sed "s|^$root||")"
    expect "answers equal quorvane-batch's" "$(cat "$work/expected.txt")" "$(sql -c "$rows_query")"
    ;;
ipv6_matches_batch)
    expect "the installed region6.db is the default" "$sharedir/quorvane/region6.db" \
        "$(sql -c "LOAD 'quorvane'" -c "SHOW quorvane.database6" | sed "s|^$root||")"
    expect "the installed region6.db is the build's" "" \
        "$(cmp "$build/bin/region6.db" "$root$sharedir/quorvane/region6.db" 2>&1)"
    load_addresses6
    expect "IPv6 answers equal quorvane-batch's" "$(cat "$work/expected6.txt")" \
        "$(sql -c "$rows6_query")"
    expect "most of the IPv6 addresses drawn are found" t "$(sql -c "SELECT count(*) > 3000 FROM
        addresses6 WHERE family(a) = 6 AND quorvane_region_text(a) <> ''")"
    # With the lookups in parallel workers, each opening both databases for itself.
    parallel=$(parallel_settings addresses6)
    plan=$(sql -c "$parallel" -c "EXPLAIN (ANALYZE, COSTS OFF, TIMING OFF, SUMMARY OFF) $rows6_query")
    expect "two workers ran the lookups" "Workers Launched: 2" \
        "$(grep -o 'Workers Launched: [0-9]*' <<<"$plan")"
    expect "a parallel plan gives the same answers" "$(cat "$work/expected6.txt")" \
        "$(sql -c "$parallel" -c "$rows6_query")"
    ;;
parallel_plan)
    load_addresses
    parallel=$(parallel_settings addresses)
    plan=$(sql -c "$parallel" -c "EXPLAIN (ANALYZE, COSTS OFF, TIMING OFF, SUMMARY OFF) $rows_query")
    expect "two workers ran the lookups" "Workers Launched: 2" \
        "$(grep -o 'Workers Launched: [0-9]*' <<<"$plan")"
    expect "a parallel plan gives the same answers" "$(cat "$work/expected.txt")" \
        "$(sql -c "$parallel" -c "$rows_query")"
    ;;
fields)
    # Region texts that exercise the field rules, and a gap that no range covers.
    printf '%s\n' '1.0.0.0,1.0.0.255,W|0|X|Y|Z' '2.0.0.0,2.0.0.255,0|0|0|0|0' \
        '3.0.0.0,3.0.0.255,W||X|Y|Z' '4.0.0.0,4.0.0.255,中国|0|广东省|00| 0' >"$work/ranges.txt"
    "$dbmake" "$work/ranges.txt" "$work/rules.db" >/dev/null || fail "quorvane-dbmake failed"
    pg_give_to_server "$work/rules.db"
    expect "a changed setting opens the other database, and back" "t|W|0|X|Y|Z|t" "$(sql \
        -c "SELECT quorvane_region_text('1.0.0.7') <> 'W|0|X|Y|Z'" \
        -c "SET quorvane.database = '$work/rules.db'" -c "SELECT quorvane_region_text('1.0.0.7')" \
        -c "RESET quorvane.database" -c "SELECT quorvane_region_text('1.0.0.7') <> 'W|0|X|Y|Z'" |
        paste -sd '|')"
    expect "fields, region texts and NULL" "$(printf '%s\n' \
        '(W,X,Y,Z)|W|0|X|Y|Z' '("","","","")|0|0|0|0|0' '(W,Y,Z,"")|W||X|Y|Z' \
        '(中国,广东省,00," 0")|中国|0|广东省|00| 0' '("","","","")|' '(W,X,Y,Z)' \
        'null|null')" "$(sql -c "SET quorvane.database = '$work/rules.db'" -c "
        SELECT quorvane_lookup(a)::text || '|' || quorvane_region_text(a)
        FROM unnest('{1.0.0.7,2.0.0.0,3.0.0.255,4.0.0.1,9.9.9.9}'::inet[]) WITH ORDINALITY t(a, i)
        ORDER BY i;
        SELECT quorvane_lookup('1.0.0.9/8');
        SELECT concat_ws('|', coalesce(quorvane_lookup(NULL)::text, 'null'),
            coalesce(quorvane_region_text(NULL), 'null'))")"
    ;;
ipv6_fields)
    make_small6
    printf '%s\n' '1.0.0.0,1.0.0.255,W|0|X|Y|Z' >"$work/ranges.txt"
    "$dbmake" "$work/ranges.txt" "$work/rules.db" >/dev/null || fail "quorvane-dbmake failed"
    pg_give_to_server "$work/rules.db"
    expect "IPv6 fields and texts; an IPv4-mapped address answers from the IPv4 database" \
        "$(printf '%s\n' '(保留,"","","")|保留|0|0|0|0' '(W,X,Y,Z)|W|0|X|Y|Z' '(W,X,Y,Z)|W|0|X|Y|Z' \
        '(W,Y,Z,"")|W||X|Y|Z' '(中国,北京,北京市,移动)|中国|0|北京|北京市|移动' \
        '(中国,北京,北京市,移动)|中国|0|北京|北京市|移动' '("","","","")|0|0|0|0|0' \
        '("","","","")|' '("","","","")|' '(W,X,Y,Z)|W|0|X|Y|Z' '("","","","")|' \
        '(保留,"","","")|保留|0|0|0|0')" "$(sql -c "SET quorvane.database = '$work/rules.db'" \
        -c "SET quorvane.database6 = '$work/small6.db'" -c "
        SELECT quorvane_lookup(a)::text || '|' || quorvane_region_text(a)
        FROM unnest('{::, 2001:db8::, 2001:db8::ffff/64, 2001:db8:0:1:ffff:ffff:ffff:ffff,
                      2409:8000::1, 2409:8000:ffff:ffff:ffff:ffff:ffff:ffff, fe80::1,
                      2001:db8::1:0, ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff, ::ffff:1.0.0.7,
                      ::ffff:9.9.9.9, ::1.0.0.7}'::inet[]) WITH ORDINALITY t(a, i)
        ORDER BY i")"
    expect "quorvane.database6 changes, and back" "t|W|0|X|Y|Z|t" "$(sql \
        -c "SELECT quorvane_region_text('2001:db8::1') <> 'W|0|X|Y|Z'" \
        -c "SET quorvane.database6 = '$work/small6.db'" -c "SELECT quorvane_region_text('2001:db8::1')" \
        -c "RESET quorvane.database6" -c "SELECT quorvane_region_text('2001:db8::1') <> 'W|0|X|Y|Z'" |
        paste -sd '|')"
    ;;
database_errors)
    head -c 100 /dev/zero >"$work/short.db"
    pg_give_to_server "$work/short.db"
    # Without ON_ERROR_STOP the session carries on after each error, as a client's would.
    output=$(sql -c "SET quorvane.database = '$work/none.db'" \
        -c "SELECT quorvane_lookup('8.8.8.8')" \
        -c "SET quorvane.database = '$work/short.db'" \
        -c "SELECT quorvane_region_text('8.8.8.8')" \
        -c "SET quorvane.database = '$work'" \
        -c "SELECT quorvane_region_text('8.8.8.8')" \
        -c "RESET quorvane.database" \
        -c "SELECT quorvane_lookup('8.8.8.8') IS NOT NULL" \
        -c "CREATE ROLE plain LOGIN" -c "SET ROLE plain" \
        -c "SET quorvane.database = '/etc/passwd'" 2>&1)
    echo "$output"
    errors=$(grep -c '^ERROR:' <<<"$output")
    expect "four errors, none fatal" 4 "$errors"
    named=""
    for path in "$work/none.db" "$work/short.db" "$work"; do
        named+="$(grep -c "ERROR: .*\"$path\"" <<<"$output") "
    done
    expect "each error names its path" "1 1 1 " "$named"
    expect "the session goes on with the default database" "t" "$(grep -x t <<<"$output")"
    expect "a plain role cannot change the database" 1 \
        "$(grep -c 'permission denied to set parameter "quorvane.database"' <<<"$output")"
    expect "the server still runs" 1 "$(sql -c "SELECT 1")"
    ;;
changed_files)
    # A named pipe as the database: refused at once, never a backend waiting for a writer (the
    # timeout makes a hang fail the check instead of holding it).
    mkfifo "$work/pipe.db"
    pg_give_to_server "$work/pipe.db"
    output=$(timeout 30 "$pg_bindir/psql" -X -q -A -t -h "$pg_work" -U postgres -d postgres \
        -c "SET quorvane.database = '$work/pipe.db'" -c "SELECT quorvane_lookup('8.8.8.8')" 2>&1)
    waited=$([ $? -eq 124 ] && echo "timed out" || echo answered)
    expect "a pipe is refused without waiting" "answered 1" \
        "$waited $(grep -c "ERROR: .*\"$work/pipe.db\"" <<<"$output")"

    # A database copied over the file a session uses (cp rewrites it in place, shorter): the
    # session answers as before, from the file it read, and no backend crashes.
    load_addresses
    cp "$build/bin/ip2region.db" "$work/live.db"
    printf '%s\n' '1.0.0.0,1.0.0.255,W|0|X|Y|Z' >"$work/small.txt"
    "$dbmake" "$work/small.txt" "$work/small.db" >/dev/null || fail "quorvane-dbmake failed"
    pg_give_to_server "$work/live.db" "$work/small.db"
    output=$(sql -c "SET quorvane.database = '$work/live.db'" -c "SELECT count(*) FROM addresses
        WHERE quorvane_lookup(a) IS NOT NULL" -c "\\! cp '$work/small.db' '$work/live.db'" \
        -c "$rows_query" 2>&1)
    expect "a session keeps its answers when the file is copied over" \
        "$(printf '%s\n' 4003; cat "$work/expected.txt")" "$output"
    expect "the server still runs, no backend restarted" "1 0" \
        "$(sql -c "SELECT 1") $(grep -c 'terminated by signal' "$pg_work/server.log" 2>/dev/null)"
    expect "a new session reads the new file" "W|0|X|Y|Z" \
        "$(sql -c "SET quorvane.database = '$work/live.db'" -c "SELECT quorvane_region_text('1.0.0.7')")"

    # A database whose text is not UTF-8 is refused: no damaged text reaches a table.
    python3 -c "import sys; d = open(sys.argv[1], 'rb').read(); i = d.rindex(b'W|0|X');
open(sys.argv[2], 'wb').write(d[:i + 4] + b'\xff' + d[i + 5:])" "$work/small.db" "$work/bad.db"
    pg_give_to_server "$work/bad.db"
    output=$(sql -c "SET quorvane.database = '$work/bad.db'" \
        -c "SELECT quorvane_region_text('1.0.0.7')" 2>&1)
    expect "a database with damaged text is refused" "1 0" \
        "$(grep -c "ERROR: .*\"$work/bad.db\"" <<<"$output") $(grep -c 'W|0|' <<<"$output")"
    ;;
database6_errors)
    make_small6
    : >"$work/empty6.db"
    head -c 5000 /dev/urandom >"$work/garbage6.db"
    head -c 1000000 "$build/bin/region6.db" >"$work/truncated6.db"
    # Larger than any database, without taking the room: the open must refuse it by its size.
    truncate -s 5G "$work/huge6.db"
    cp "$build/bin/ip2region.db" "$work/ipv4.db"
    pg_give_to_server "$work/empty6.db" "$work/garbage6.db" "$work/truncated6.db" "$work/huge6.db" \
        "$work/ipv4.db"
    broken=("$work/none6.db" "$work/empty6.db" "$work/garbage6.db" "$work/truncated6.db"
        "$work/huge6.db" "$work" "$work/ipv4.db")
    args=()
    for path in "${broken[@]}"; do
        args+=(-c "SET quorvane.database6 = '$path'" -c "SELECT quorvane_lookup('2001:db8::1')"
            -c "SELECT quorvane_region_text('8.8.8.8') <> '' AS ipv4_answers")
    done
    # Without ON_ERROR_STOP the session carries on after each error, as a client's would.
    output=$(sql "${args[@]}" -c "SET quorvane.database = '$work/small6.db'" \
        -c "SELECT quorvane_lookup('8.8.8.8')" -c "SET quorvane.database6 = '$work/small6.db'" \
        -c "SELECT quorvane_region_text('2001:db8::1')" \
        -c "CREATE ROLE plain LOGIN" -c "SET ROLE plain" \
        -c "SET quorvane.database6 = '/etc/passwd'" 2>&1)
    echo "$output"
    expect "nine errors, none fatal" 9 "$(grep -c '^ERROR:' <<<"$output")"
    named=""
    for path in "${broken[@]}" "$work/small6.db"; do
        named+="$(grep -c "ERROR: .*\"$path\"" <<<"$output") "
    done
    expect "each error names its path" "1 1 1 1 1 1 1 1 " "$named"
    expect "a file of the other family is refused as such" 2 \
        "$(grep -c 'ERROR: .*quorvane.database6\? 需要 IPv[46]' <<<"$output")"
    expect "IPv4 lookups go on whatever region6.db is" 7 "$(grep -cx t <<<"$output")"
    expect "the session goes on with a good region6.db, whatever ip2region.db is" 1 \
        "$(grep -cx 'W|0|X|Y|Z' <<<"$output")"
    expect "a plain role cannot change the IPv6 database" 1 \
        "$(grep -c 'permission denied to set parameter "quorvane.database6"' <<<"$output")"
    expect "the server still runs, no backend restarted" "1 0" \
        "$(sql -c "SELECT 1") $(grep -c 'terminated by signal' "$pg_work/server.log" 2>/dev/null)"
    ;;
*) fail "unknown check $check" ;;
esac

checks_done "server_test $check"
