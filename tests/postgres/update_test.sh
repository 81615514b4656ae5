#!/usr/bin/env bash
# The README's procedure for pointing a running server at a new database, run as written (the
# README's SQL block that sets quorvane.database, with the path of a file of the test's own) in a
# fresh session of a server that has never loaded the module in any session but CREATE
# EXTENSION's; a session that was open before switches to the new file.
# Usage: update_test.sh BUILD_DIR QUORVANE_DBMAKE
set -uo pipefail
build=$1 dbmake=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/pg-private-server.sh"
source "$here/checks.sh"
pg_private_start "$build"
work=$pg_work

# The README's fenced SQL block that sets the database, its indentation removed.
awk '/^ *```sql$/ { block = ""; inside = 1; next }
     /^ *```$/ { if (inside && block ~ /ALTER SYSTEM SET quorvane\.database/) printf "%s", block
                 inside = 0; next }
     inside { sub(/^  /, ""); block = block $0 "\n" }' "$here/../../README.md" >"$work/documented.sql"
[ -s "$work/documented.sql" ] || pg_private_fail "the README documents no update procedure"
printf '1.0.0.0,1.0.0.255,W|0|X|Y|Z\n' >"$work/ranges.txt"
"$dbmake" "$work/ranges.txt" "$work/new.db" >/dev/null || pg_private_fail "quorvane-dbmake failed"
pg_give_to_server "$work/new.db"
sed "s|quorvane.database = '[^']*'|quorvane.database = '$work/new.db'|" "$work/documented.sql" \
    >"$work/procedure.sql"
cat "$work/procedure.sql"

# The procedure runs from within an open session, through psql's shell escape, in a session of
# its own.
procedure="$pg_bindir/psql -X -q -A -t -h $work -U postgres -d postgres -v ON_ERROR_STOP=1"
procedure+=" -f $work/procedure.sql >$work/procedure.out 2>&1; echo \"procedure exit \$?\""
# The open session's backend takes the new setting once the server's reload signal reaches it,
# which on a loaded machine can take a moment: it asks again, for three seconds.
session=(-c "SELECT quorvane_region_text('1.0.0.7') <> 'W|0|X|Y|Z'" -c "\\! $procedure")
for ((i = 0; i < 10; ++i)); do
    session+=(-c "SELECT pg_sleep(0.3)" -c "SELECT quorvane_region_text('1.0.0.7')")
done
answers=$(pg_sql "${session[@]}" | grep -v '^$')
cat "$work/procedure.out"
expect "the procedure runs without an error" "" "$(grep -i 'error' "$work/procedure.out")"
expect "an open session switches on a later call" "t|procedure exit 0|W|0|X|Y|Z" \
    "$(head -n 2 <<<"$answers" | paste -sd '|')|$(tail -n 1 <<<"$answers")"
expect "a new session uses the new file" "$work/new.db W|0|X|Y|Z" \
    "$(pg_sql -c "SHOW quorvane.database" -c "SELECT quorvane_region_text('1.0.0.7')" |
        paste -sd ' ')"
checks_done "update_test"
