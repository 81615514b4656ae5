/* SQL functions over the region search engine: quorvane_lookup(inet) gives the four fields of a
 * row (country, province, city, provider) by the lookup session's rules, quorvane_region_text(inet)
 * the region text as stored. IPv4 addresses, and IPv6 ones that map an IPv4 address
 * (::ffff:a.b.c.d), are answered from the setting quorvane.database, other IPv6 addresses from
 * quorvane.database6; by default the ip2region.db and region6.db installed with the extension.
 * Each server process opens a database on its first lookup of that family. */
#include "postgres.h"

#include <string.h>
#include <sys/socket.h> /* AF_INET, which the inet type's family values build on */

#include "access/htup_details.h"
#include "batch/region_fields.h"
#include "database.h"
#include "fmgr.h"
#include "funcapi.h"
#include "miscadmin.h"
#include "utils/builtins.h"
#include "utils/guc.h"
#include "utils/inet.h"

PG_MODULE_MAGIC;

static char* g_database_setting;
static char g_default_database[MAXPGPATH];
static char* g_database6_setting;
static char g_default_database6[MAXPGPATH];

void _PG_init(void);

/* quorvane.database6, which names the IPv6 database: as quorvane.database, superusers only, by
 * default the region6.db installed beside ip2region.db in the share folder. */
static void DefineDatabase6Setting(const char* share) {
    snprintf(g_default_database6, sizeof g_default_database6, "%s/quorvane/region6.db", share);
    DefineCustomStringVariable(
        "quorvane.database6", "quorvane_lookup 查询 IPv6 地址使用的地区数据库文件 (region6.db)。",
        NULL, &g_database6_setting, g_default_database6, PGC_SUSET, 0, NULL, NULL, NULL);
}

void _PG_init(void) {
    char share[MAXPGPATH];
    /* The server computes its share folder from its own location, so a relocated installation
     * finds the database it was installed with. */
    get_share_path(my_exec_path, share);
    snprintf(g_default_database, sizeof g_default_database, "%s/quorvane/ip2region.db", share);
    DefineCustomStringVariable("quorvane.database", "quorvane_lookup 使用的地区数据库文件。", NULL,
                               &g_database_setting, g_default_database, PGC_SUSET, 0, NULL, NULL,
                               NULL);
    DefineDatabase6Setting(share);
    MarkGUCPrefixReserved("quorvane");
}

/* Four bytes in network order as a host-order number. */
static uint32_t Ipv4Number(const unsigned char* bytes) {
    return ((uint32_t)bytes[0] << 24) | ((uint32_t)bytes[1] << 16) | ((uint32_t)bytes[2] << 8) |
           (uint32_t)bytes[3];
}

/* Whether an IPv6 address maps an IPv4 one (::ffff:a.b.c.d), which answers as a.b.c.d does. */
static bool IsMappedIpv4(const unsigned char bytes[16]) {
    static const unsigned char kMappedPrefix[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    return memcmp(bytes, kMappedPrefix, sizeof kMappedPrefix) == 0;
}

/* Searches for the argument's address (the netmask is not part of it) in the database of its
 * family, opening that database on first use. A miss leaves the result's text empty, as a lookup
 * of a row does. */
static void Search(FunctionCallInfo fcinfo, region_result* result) {
    inet* value = PG_GETARG_INET_PP(0);
    const unsigned char* bytes = ip_addr(value);
    result->region_text[0] = '\0';
    if (ip_family(value) == PGSQL_AF_INET6 && !IsMappedIpv4(bytes)) {
        QuorvaneDatabase6Use(g_database6_setting != NULL ? g_database6_setting : "");
        QuorvaneDatabaseSearch6(bytes, result);
        return;
    }
    QuorvaneDatabaseUse(g_database_setting != NULL ? g_database_setting : "");
    QuorvaneDatabaseSearch(Ipv4Number(ip_family(value) == PGSQL_AF_INET ? bytes : bytes + 12),
                           result);
}

PG_FUNCTION_INFO_V1(quorvane_lookup);
Datum quorvane_lookup(PG_FUNCTION_ARGS) {
    region_result result;
    Search(fcinfo, &result);
    /* The row type is looked up once per query, not once per row. */
    TupleDesc desc = (TupleDesc)fcinfo->flinfo->fn_extra;
    if (desc == NULL) {
        TupleDesc found;
        if (get_call_result_type(fcinfo, NULL, &found) != TYPEFUNC_COMPOSITE) {
            ereport(ERROR, (errcode(ERRCODE_FEATURE_NOT_SUPPORTED),
                            errmsg("quorvane_lookup 的结果类型应为复合类型")));
        }
        MemoryContext old = MemoryContextSwitchTo(fcinfo->flinfo->fn_mcxt);
        desc = BlessTupleDesc(CreateTupleDescCopy(found));
        MemoryContextSwitchTo(old);
        fcinfo->flinfo->fn_extra = desc;
    }
    QuorvaneField fields[kQuorvaneFields];
    QuorvaneRowFields(result.region_text, strlen(result.region_text), fields);
    Datum values[kQuorvaneFields];
    bool nulls[kQuorvaneFields] = {false, false, false, false};
    for (int i = 0; i < kQuorvaneFields; ++i) {
        values[i] = PointerGetDatum(cstring_to_text_with_len(fields[i].data, (int)fields[i].size));
    }
    PG_RETURN_DATUM(HeapTupleGetDatum(heap_form_tuple(desc, values, nulls)));
}

PG_FUNCTION_INFO_V1(quorvane_region_text);
Datum quorvane_region_text(PG_FUNCTION_ARGS) {
    region_result result;
    Search(fcinfo, &result);
    PG_RETURN_TEXT_P(cstring_to_text(result.region_text));
}
