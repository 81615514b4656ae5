/* Resolves addresses against a region database through the engine's database interface
 * (quorvane/region_db.h): the file is read and checked once, then all the addresses are looked
 * up together, side by side. The database says its family: IPv4 addresses (dotted decimal)
 * against ip2region.db, IPv6 addresses (as inet_pton reads them) against region6.db. One line
 * per address:
 *
 *   ADDRESS RECORD_NUMBER REGION_TEXT     when found
 *   ADDRESS -                             when no range covers it, or it is no address of the
 *                                         database's family
 *
 * Usage: region_db_lookup DATABASE ADDRESS...
 * Exit codes: 0 done, 1 the database cannot be used (the reason is printed), 2 usage. */
#define _POSIX_C_SOURCE 200112L /* inet_pton */
#include <arpa/inet.h>
#include <quorvane/region_db.h>
#include <stdio.h>
#include <stdlib.h>

/* Dotted decimal to a host-order address; 0 when text is no such address. */
static int ParseDotted(const char* text, uint32_t* address) {
    unsigned parts[4];
    char end;
    int i;
    if (sscanf(text, "%3u.%3u.%3u.%3u%c", &parts[0], &parts[1], &parts[2], &parts[3], &end) != 4) {
        return 0;
    }
    *address = 0;
    for (i = 0; i < 4; ++i) {
        if (parts[i] > 255) {
            return 0;
        }
        *address = *address << 8 | parts[i];
    }
    return 1;
}

/* Looks up the count addresses of texts in an IPv4 database: records[i] for texts[i], 0 for a
 * text that is no dotted address. Returns 0 when out of memory. */
static int Find4(const quorvane_db* db, char** texts, quorvane_db_record* records, size_t count) {
    uint32_t* addresses = (uint32_t*)calloc(count, sizeof *addresses);
    size_t i;
    if (addresses == NULL) {
        return 0;
    }
    for (i = 0; i < count; ++i) {
        if (!ParseDotted(texts[i], &addresses[i])) {
            addresses[i] = 0;
        }
    }
    /* One call for all of them: the searches overlap their memory waits. */
    quorvane_db_find4_many(db, addresses, records, count);
    for (i = 0; i < count; ++i) {
        if (!ParseDotted(texts[i], &addresses[i])) {
            records[i] = 0;
        }
    }
    free(addresses);
    return 1;
}

/* Find4 for an IPv6 database: texts are read by inet_pton(AF_INET6). */
static int Find6(const quorvane_db* db, char** texts, quorvane_db_record* records, size_t count) {
    unsigned char(*addresses)[16] = (unsigned char(*)[16])calloc(count, sizeof *addresses);
    unsigned char* parsed = (unsigned char*)calloc(count, 1);
    size_t i;
    if (addresses == NULL || parsed == NULL) {
        free(addresses);
        free(parsed);
        return 0;
    }
    for (i = 0; i < count; ++i) {
        parsed[i] = inet_pton(AF_INET6, texts[i], addresses[i]) == 1;
    }
    quorvane_db_find6_many(db, (const unsigned char(*)[16])addresses, records, count);
    for (i = 0; i < count; ++i) {
        if (!parsed[i]) {
            records[i] = 0;
        }
    }
    free(addresses);
    free(parsed);
    return 1;
}

int main(int argc, char** argv) {
    quorvane_db* db;
    quorvane_db_record* records;
    size_t count;
    size_t i;
    int status;
    int found;

    if (argc < 3) {
        fprintf(stderr, "usage: %s DATABASE ADDRESS...\n", argv[0]);
        return 2;
    }
    status = quorvane_db_open(argv[1], &db);
    if (status != QUORVANE_DB_OK) {
        fprintf(stderr, "region_db_lookup: cannot use %s: %s\n", argv[1],
                quorvane_db_strerror(status));
        return 1;
    }
    count = (size_t)(argc - 2);
    records = (quorvane_db_record*)calloc(count, sizeof *records);
    found = records != NULL &&
            (quorvane_db_get_family(db) == QUORVANE_DB_IPV6 ? Find6(db, argv + 2, records, count)
                                                            : Find4(db, argv + 2, records, count));
    if (!found) {
        fprintf(stderr, "region_db_lookup: out of memory\n");
        free(records);
        quorvane_db_close(db);
        return 1;
    }
    for (i = 0; i < count; ++i) {
        size_t length;
        const char* text = quorvane_db_text(db, records[i], &length);
        if (records[i] == 0) {
            printf("%s -\n", argv[i + 2]);
        } else {
            printf("%s %u %.*s\n", argv[i + 2], (unsigned)quorvane_db_record_number(db, records[i]),
                   (int)length, text);
        }
    }
    free(records);
    quorvane_db_close(db);
    return 0;
}
