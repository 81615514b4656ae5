\echo 请用 CREATE EXTENSION quorvane 加载本扩展。 \quit

CREATE TYPE quorvane_region AS (
    country text,
    province text,
    city text,
    provider text
);

-- A field without a value is the empty text. IPv6 addresses are looked up in region6.db
-- (quorvane.database6), except ::ffff:a.b.c.d, which answers as a.b.c.d.
CREATE FUNCTION quorvane_lookup(inet) RETURNS quorvane_region
    AS 'MODULE_PATHNAME', 'quorvane_lookup'
    LANGUAGE C STRICT STABLE PARALLEL SAFE;

-- The region text as stored ('' when no range covers the address).
CREATE FUNCTION quorvane_region_text(inet) RETURNS text
    AS 'MODULE_PATHNAME', 'quorvane_region_text'
    LANGUAGE C STRICT STABLE PARALLEL SAFE;
