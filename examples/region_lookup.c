/* Resolves IPv4 addresses against a region database with each of the engine's three search
 * strategies, one line per address and strategy:
 *
 *   ADDRESS STRATEGY RECORD_NUMBER REGION_TEXT     when found
 *   ADDRESS STRATEGY -                             when not found
 *
 * Usage: region_lookup DATABASE ADDRESS...
 * Exit codes: 0 done, 1 the database cannot be opened, 2 usage. */
#include <quorvane/region.h>
#include <stdio.h>

typedef int (*search_fn)(region_handle*, const char*, region_result*);

int main(int argc, char** argv) {
    static const char* const names[] = {"memory", "binary", "btree"};
    static const search_fn searches[] = {ip2region_memory_search_string,
                                         ip2region_binary_search_string,
                                         ip2region_btree_search_string};
    region_handle handle;
    region_result result;
    int i;
    int s;

    if (argc < 3) {
        fprintf(stderr, "usage: %s DATABASE ADDRESS...\n", argv[0]);
        return 2;
    }
    if (!ip2region_create(&handle, argv[1])) {
        fprintf(stderr, "region_lookup: cannot open %s\n", argv[1]);
        return 1;
    }
    /* One handle serves all three strategies; each loads what it needs on first use. */
    for (i = 2; i < argc; ++i) {
        for (s = 0; s < 3; ++s) {
            if (searches[s](&handle, argv[i], &result)) {
                printf("%s %s %u %s\n", argv[i], names[s], (unsigned)result.record_number,
                       result.region_text);
            } else {
                printf("%s %s -\n", argv[i], names[s]);
            }
        }
    }
    ip2region_destroy(&handle);
    return 0;
}
