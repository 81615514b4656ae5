\echo 请用 CREATE EXTENSION quorvane 加载本扩展。 \quit

CREATE TYPE quorvane_region AS (
    country text,
    province text,
    city text,
    provider text
);

-- A field without a value is the empty text; an IPv6 address gives NULL.
CREATE FUNCTION quorvane_lookup(inet) RETURNS quorvane_region
    AS 'MODULE_PATHNAME', 'quorvane_lookup'
    LANGUAGE C STRICT STABLE PARALLEL SAFE;

-- The region text as stored ('' when no range covers the address); an IPv6 address gives NULL.
CREATE FUNCTION quorvane_region_text(inet) RETURNS text
    AS 'MODULE_PATHNAME', 'quorvane_region_text'
    LANGUAGE C STRICT STABLE PARALLEL SAFE;
