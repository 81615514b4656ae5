/* SQL functions over the region search engine: quorvane_lookup(inet) gives the four fields of a
 * row (country, province, city, provider) by the lookup session's rules, quorvane_region_text(inet)
 * the region text as stored. The database is the setting quorvane.database, by default the
 * ip2region.db installed with the extension; each server process opens it on first use. */
#include "postgres.h"

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

void _PG_init(void);

void _PG_init(void) {
    char share[MAXPGPATH];
    /* The server computes its share folder from its own location, so a relocated installation
     * finds the database it was installed with. */
    get_share_path(my_exec_path, share);
    snprintf(g_default_database, sizeof g_default_database, "%s/quorvane/ip2region.db", share);
    DefineCustomStringVariable("quorvane.database", "quorvane_lookup 使用的地区数据库文件。", NULL,
                               &g_database_setting, g_default_database, PGC_SUSET, 0, NULL, NULL,
                               NULL);
    MarkGUCPrefixReserved("quorvane");
}

/* The inet's IPv4 address as a number; false for IPv6. The netmask is not part of the address. */
static bool Ipv4Of(inet* value, uint32_t* address) {
    if (ip_family(value) != PGSQL_AF_INET) {
        return false;
    }
    const unsigned char* bytes = ip_addr(value);
    *address = ((uint32_t)bytes[0] << 24) | ((uint32_t)bytes[1] << 16) | ((uint32_t)bytes[2] << 8) |
               (uint32_t)bytes[3];
    return true;
}

/* Searches for the argument's address; false for IPv6 (the caller returns NULL). A miss leaves
 * the result's text empty, as a lookup of a row does. */
static bool Search(FunctionCallInfo fcinfo, region_result* result) {
    uint32_t address;
    if (!Ipv4Of(PG_GETARG_INET_PP(0), &address)) {
        return false;
    }
    QuorvaneDatabaseUse(g_database_setting != NULL ? g_database_setting : "");
    result->region_text[0] = '\0';
    QuorvaneDatabaseSearch(address, result);
    return true;
}

PG_FUNCTION_INFO_V1(quorvane_lookup);
Datum quorvane_lookup(PG_FUNCTION_ARGS) {
    region_result result;
    if (!Search(fcinfo, &result)) {
        PG_RETURN_NULL();
    }
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
    if (!Search(fcinfo, &result)) {
        PG_RETURN_NULL();
    }
    PG_RETURN_TEXT_P(cstring_to_text(result.region_text));
}
