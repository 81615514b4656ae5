/* Resolves IPv4 and IPv6 addresses against the region databases through the engine's database
 * interface (quorvane/region_db.h): each file is read and checked once, then the addresses of
 * each family are looked up together, side by side. An IPv4-mapped IPv6 address (::ffff:a.b.c.d)
 * is looked up as a.b.c.d. One line per address:
 *
 *   ADDRESS RECORD_NUMBER REGION_TEXT     when found
 *   ADDRESS -                             when no range covers it, or it is no address
 *
 * Usage: region_db_lookup IPV4_DATABASE IPV6_DATABASE ADDRESS...
 *        (ip2region.db and region6.db; "-" for a family's database skips that family)
 * Exit codes: 0 done, 1 a database cannot be used (the reason is printed), 2 usage. */
#define _POSIX_C_SOURCE 200112L /* inet_pton */

#include <arpa/inet.h>
#include <quorvane/region_db.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* What one argument is, once parsed. */
typedef struct {
    quorvane_db_family family; /* 0 for no address */
    uint32_t address4;         /* host order, for IPv4 */
    unsigned char address6[16];
    quorvane_db_record record;
} Query;

static void Parse(const char* text, Query* query) {
    static const unsigned char kMapped[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    unsigned char bytes[16];
    const unsigned char* v4 = NULL;
    memset(query, 0, sizeof *query);
    if (inet_pton(AF_INET, text, bytes) == 1) {
        v4 = bytes;
    } else if (inet_pton(AF_INET6, text, bytes) == 1) {
        if (memcmp(bytes, kMapped, sizeof kMapped) == 0) {
            v4 = bytes + 12;
        } else {
            query->family = QUORVANE_DB_IPV6;
            memcpy(query->address6, bytes, sizeof bytes);
        }
    }
    if (v4 != NULL) {
        query->family = QUORVANE_DB_IPV4;
        query->address4 =
            (uint32_t)v4[0] << 24 | (uint32_t)v4[1] << 16 | (uint32_t)v4[2] << 8 | (uint32_t)v4[3];
    }
}

/* Opens path as a database of family into *db; "-" leaves *db NULL. 0 and a message when the
 * file cannot be used. */
static int Open(const char* path, quorvane_db_family family, quorvane_db** db) {
    int status;
    *db = NULL;
    if (strcmp(path, "-") == 0) {
        return 1;
    }
    status = quorvane_db_open(path, db);
    if (status != QUORVANE_DB_OK) {
        fprintf(stderr, "region_db_lookup: cannot use %s: %s\n", path,
                quorvane_db_strerror(status));
        return 0;
    }
    if (quorvane_db_get_family(*db) != family) {
        fprintf(stderr, "region_db_lookup: %s is no IPv%d database\n", path, (int)family);
        quorvane_db_close(*db);
        *db = NULL;
        return 0;
    }
    return 1;
}

/* Looks up every query of db's family with one call: the searches overlap their memory waits. */
static int FindAll(const quorvane_db* db, Query* queries, size_t count) {
    int ipv6 = quorvane_db_get_family(db) == QUORVANE_DB_IPV6;
    uint32_t* addresses4 = (uint32_t*)calloc(count, sizeof *addresses4);
    unsigned char(*addresses6)[16] = (unsigned char(*)[16])calloc(count, sizeof *addresses6);
    quorvane_db_record* records = (quorvane_db_record*)calloc(count, sizeof *records);
    size_t i;
    size_t n = 0;
    if (addresses4 == NULL || addresses6 == NULL || records == NULL) {
        free(addresses4);
        free(addresses6);
        free(records);
        return 0;
    }
    for (i = 0; i < count; ++i) {
        if (queries[i].family == quorvane_db_get_family(db)) {
            addresses4[n] = queries[i].address4;
            memcpy(addresses6[n++], queries[i].address6, 16);
        }
    }
    if (ipv6) {
        quorvane_db_find6_many(db, (const unsigned char(*)[16])addresses6, records, n);
    } else {
        quorvane_db_find4_many(db, addresses4, records, n);
    }
    for (i = 0, n = 0; i < count; ++i) {
        if (queries[i].family == quorvane_db_get_family(db)) {
            queries[i].record = records[n++];
        }
    }
    free(addresses4);
    free(addresses6);
    free(records);
    return 1;
}

int main(int argc, char** argv) {
    quorvane_db* dbs[2];
    Query* queries;
    size_t count;
    size_t i;
    int status = 0;

    if (argc < 4) {
        fprintf(stderr, "usage: %s IPV4_DATABASE IPV6_DATABASE ADDRESS...\n", argv[0]);
        return 2;
    }
    if (!Open(argv[1], QUORVANE_DB_IPV4, &dbs[0]) || !Open(argv[2], QUORVANE_DB_IPV6, &dbs[1])) {
        quorvane_db_close(dbs[0]);
        return 1;
    }
    count = (size_t)(argc - 3);
    queries = (Query*)calloc(count, sizeof *queries);
    for (i = 0; i < count && queries != NULL; ++i) {
        Parse(argv[i + 3], &queries[i]);
    }
    for (i = 0; i < 2 && queries != NULL; ++i) {
        if (dbs[i] != NULL && !FindAll(dbs[i], queries, count)) {
            free(queries);
            queries = NULL;
        }
    }
    if (queries == NULL) {
        fprintf(stderr, "region_db_lookup: out of memory\n");
        status = 1;
    }
    for (i = 0; i < count && queries != NULL; ++i) {
        const quorvane_db* db = dbs[queries[i].family == QUORVANE_DB_IPV6];
        size_t length;
        const char* text;
        if (queries[i].record == 0) {
            printf("%s -\n", argv[i + 3]);
            continue;
        }
        text = quorvane_db_text(db, queries[i].record, &length);
        printf("%s %u %.*s\n", argv[i + 3],
               (unsigned)quorvane_db_record_number(db, queries[i].record), (int)length, text);
    }
    free(queries);
    quorvane_db_close(dbs[0]);
    quorvane_db_close(dbs[1]);
    return status;
}
