# Sourced after pg-private-server.sh by the test and the benchmark of SQL across several servers:
# the server pg_private_start starts is the coordinator, the servers pg_private_add_server starts
# are shards, and an access log is hash-partitioned by id across the shards through postgres_fdw
# foreign partitions, read with asynchronous execution.
#
# postgres_fdw sends a remote server only immutable functions, and the lookup is stable (its
# answers follow the database file, which gets updated), so a query on the coordinator that calls
# quorvane_lookup would fetch every row and look it up there. Instead each shard has a view that
# calls the lookup on its own rows, and the coordinator's foreign partitions read the view: the
# remote query selects the view's columns and the shard computes them.
#
# pg_shards_connect SHARD...            on the coordinator: postgres_fdw and a server per shard
# pg_shard_partition SHARD P            on SHARD: partition P of the log (table access_log_P) and
#                                       its lookups (view access_geo_P)
# pg_partition_sql P                    the SQL that makes them, for a server of the caller's
# pg_shards_tables LOG GEO SHARD...     on the coordinator: LOG (id, client_addr) and GEO (the
#                                       same and the four fields), hash-partitioned by id into one
#                                       partition per SHARD named, the Pth on the Pth SHARD named

pg_shards_connect() {
    local shard sql="CREATE EXTENSION IF NOT EXISTS postgres_fdw;"
    for shard in "$@"; do
        # batch_size: rows routed to a shard go in batches, not one round trip each.
        sql+="CREATE SERVER $shard FOREIGN DATA WRAPPER postgres_fdw OPTIONS (host '$pg_work/$shard',
                  dbname 'postgres', async_capable 'true', fetch_size '1000', batch_size '1000');
              CREATE USER MAPPING FOR postgres SERVER $shard OPTIONS (user 'postgres');"
    done
    pg_sql -v ON_ERROR_STOP=1 -c "$sql" || pg_private_fail "connecting the coordinator failed"
}

# The lookup sits in FROM, so that it runs once per row whichever of the four columns a query
# reads ((quorvane_lookup(a)).* in the select list would call it once per column), and a filter on
# id still reaches the table's index.
pg_partition_sql() {
    echo "CREATE TABLE access_log_$1 (id bigint PRIMARY KEY, client_addr inet);
          CREATE VIEW access_geo_$1 AS
              SELECT l.id, l.client_addr, g.country, g.province, g.city, g.provider
              FROM access_log_$1 l CROSS JOIN LATERAL quorvane_lookup(l.client_addr) g;"
}

pg_shard_partition() {
    pg_sql_on "$1" -v ON_ERROR_STOP=1 -c "$(pg_partition_sql "$2")" ||
        pg_private_fail "making partition $2 on $1 failed"
}

pg_shards_tables() {
    local log=$1 geo=$2 p=0 shard
    shift 2
    local sql="CREATE TABLE $log (id bigint NOT NULL, client_addr inet) PARTITION BY HASH (id);
               CREATE TABLE $geo (id bigint NOT NULL, client_addr inet, country text,
                   province text, city text, provider text) PARTITION BY HASH (id);"
    for shard in "$@"; do
        p=$((p + 1))
        sql+="CREATE FOREIGN TABLE ${log}_$p PARTITION OF $log
                  FOR VALUES WITH (MODULUS $#, REMAINDER $((p - 1)))
                  SERVER $shard OPTIONS (table_name 'access_log_$p');
              CREATE FOREIGN TABLE ${geo}_$p PARTITION OF $geo
                  FOR VALUES WITH (MODULUS $#, REMAINDER $((p - 1)))
                  SERVER $shard OPTIONS (table_name 'access_geo_$p');"
    done
    pg_sql -v ON_ERROR_STOP=1 -c "$sql" || pg_private_fail "making the partitioned tables failed"
}
