/* Resolves IPv4 addresses against a region database through the engine's database interface
 * (quorvane/region_db.h): the file is read and checked once, then all the addresses are looked
 * up together, side by side. One line per address:
 *
 *   ADDRESS RECORD_NUMBER REGION_TEXT     when found
 *   ADDRESS -                             when no range covers it, or it is no dotted address
 *
 * Usage: region_db_lookup DATABASE ADDRESS...
 * Exit codes: 0 done, 1 the database cannot be used (the reason is printed), 2 usage. */
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

int main(int argc, char** argv) {
    quorvane_db* db;
    uint32_t* addresses;
    quorvane_db_record* records;
    size_t count;
    size_t i;
    int status;

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
    if (quorvane_db_get_family(db) != QUORVANE_DB_IPV4) {
        fprintf(stderr, "region_db_lookup: %s is no IPv4 database\n", argv[1]);
        quorvane_db_close(db);
        return 1;
    }
    count = (size_t)(argc - 2);
    addresses = (uint32_t*)calloc(count, sizeof *addresses);
    records = (quorvane_db_record*)calloc(count, sizeof *records);
    if (addresses == NULL || records == NULL) {
        fprintf(stderr, "region_db_lookup: out of memory\n");
        free(addresses);
        free(records);
        quorvane_db_close(db);
        return 1;
    }
    for (i = 0; i < count; ++i) {
        if (!ParseDotted(argv[i + 2], &addresses[i])) {
            addresses[i] = 0;
        }
    }
    /* One call for all of them: the searches overlap their memory waits. */
    quorvane_db_find4_many(db, addresses, records, count);
    for (i = 0; i < count; ++i) {
        uint32_t unused;
        size_t length;
        const char* text = quorvane_db_text(db, records[i], &length);
        if (!ParseDotted(argv[i + 2], &unused) || records[i] == 0) {
            printf("%s -\n", argv[i + 2]);
        } else {
            printf("%s %u %.*s\n", argv[i + 2], (unsigned)quorvane_db_record_number(db, records[i]),
                   (int)length, text);
        }
    }
    free(addresses);
    free(records);
    quorvane_db_close(db);
    return 0;
}
