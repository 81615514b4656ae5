# Sourced by the SQL extension's tests and benchmark: a PostgreSQL server of their own in a
# temporary folder, with the extension of a build tree installed, reached only through a Unix
# socket in that folder (no TCP). As root the server runs as the postgres system user (it refuses
# root).
#
# The extension is installed with `cmake --install BUILD --component postgres` under DESTDIR into
# a private copy of the server's installation: its programs are copied and everything else is
# linked. The server finds its share and library folders relative to its own program, so it sees
# the extension while nothing outside the temporary folder changes and no root is needed.
#
# pg_private_start BUILD_DIR   sets pg_work (the folder) and starts the server; exits on failure
# pg_private_add_server NAME   starts one more server on the same installation, its data, socket
#                              and logs in pg_work/NAME (e.g. the shards beside a coordinator)
# pg_sql ARGS...               psql as the superuser, unaligned and without headers
# pg_sql_on NAME ARGS...       the same on the server NAME
# pg_sql_at FOLDER ARGS...     the same on the server whose socket is in FOLDER
# pg_private_stop              stops every server and removes the folder; safe to call twice
# pg_private_start installs an EXIT trap that calls pg_private_stop, and makes INT, TERM and HUP
# exit through it.

pg_config_program=${QUORVANE_PG_CONFIG:-pg_config}
pg_bindir=$("$pg_config_program" --bindir)
pg_work=""
pg_as_server=()

pg_private_stop() {
    [ -n "$pg_work" ] || return 0
    local data
    for data in "$pg_work/data" "$pg_work"/*/data; do
        [ -f "$data/postmaster.pid" ] || continue
        "${pg_as_server[@]}" "$pg_work/root$pg_bindir/pg_ctl" -D "$data" -m immediate -w \
            stop >/dev/null 2>&1
    done
    rm -rf "$pg_work"
    pg_work=""
}

pg_private_fail() {
    echo "pg-private-server: $*" >&2
    exit 1
}

# Links each entry of folder $1 into folder $2 unless $2 has its own.
pg_link_missing() {
    local entry
    for entry in "$1"/*; do
        [ -e "$2/${entry##*/}" ] || ln -s "$entry" "$2/"
    done
}

pg_private_start() {
    local build=$1
    local pkglibdir sharedir root program
    pkglibdir=$("$pg_config_program" --pkglibdir)
    sharedir=$("$pg_config_program" --sharedir)
    # In /tmp whatever TMPDIR says: the postgres user must reach the folder, and a socket's path
    # must stay short (about 100 bytes at most).
    pg_work=$(mktemp -d /tmp/quorvane-pg.XXXXXX)
    trap pg_private_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP
    root="$pg_work/root"
    DESTDIR="$root" cmake --install "$build" --component postgres >/dev/null ||
        pg_private_fail "installing the extension failed"
    mkdir -p "$root$pg_bindir" "$root$pkglibdir" "$root$sharedir/extension"
    for program in postgres initdb pg_ctl; do
        cp -l "$pg_bindir/$program" "$root$pg_bindir/" 2>/dev/null ||
            cp "$pg_bindir/$program" "$root$pg_bindir/"
    done
    pg_link_missing "$pkglibdir" "$root$pkglibdir"
    pg_link_missing "$sharedir" "$root$sharedir"
    pg_link_missing "$sharedir/extension" "$root$sharedir/extension"

    if [ "$(id -u)" -eq 0 ]; then
        id postgres >/dev/null 2>&1 || pg_private_fail "running as root needs the postgres user"
        chown -R postgres "$pg_work"
        pg_as_server=(runuser -u postgres --)
    fi
    export PGCLIENTENCODING=UTF8
    pg_private_server "$pg_work"
}

pg_private_add_server() {
    mkdir "$pg_work/$1" || pg_private_fail "cannot make the folder of server $1"
    [ "$(id -u)" -ne 0 ] || chown postgres "$pg_work/$1"
    pg_private_server "$pg_work/$1"
}

# Initializes a server in FOLDER/data and starts it, its socket and logs in FOLDER, with the
# extension created.
pg_private_server() {
    local folder=$1 root="$pg_work/root"
    "${pg_as_server[@]}" "$root$pg_bindir/initdb" -D "$folder/data" -A trust -U postgres \
        -E UTF8 --locale=C --no-sync >"$folder/initdb.log" 2>&1 ||
        { cat "$folder/initdb.log" >&2; pg_private_fail "initdb failed"; }
    "${pg_as_server[@]}" "$root$pg_bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w \
        -o "-c listen_addresses= -c unix_socket_directories=$folder -c fsync=off ${PG_SERVER_OPTIONS:-}" \
        start >/dev/null || { cat "$folder/server.log" >&2; pg_private_fail "the server did not start"; }
    pg_sql_at "$folder" -v ON_ERROR_STOP=1 -c "CREATE EXTENSION quorvane" ||
        pg_private_fail "CREATE EXTENSION failed"
}

pg_sql_at() {
    "$pg_bindir/psql" -X -q -A -t -h "$1" -U postgres -d postgres "${@:2}"
}
pg_sql() { pg_sql_at "$pg_work" "$@"; }
pg_sql_on() { pg_sql_at "$pg_work/$1" "${@:2}"; }

# Gives a file made by the caller to the server's user, so that the server can read it.
pg_give_to_server() {
    [ "$(id -u)" -ne 0 ] || chown postgres "$@"
}
