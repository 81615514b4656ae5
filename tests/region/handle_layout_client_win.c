/* A caller of quorvane-region.dll written as a program in another language would be: it knows
 * only the DLL's undecorated names, the caller-cleans convention and the handle record's table of
 * fields, declares all of them itself (it does not include the engine's header), and loads the DLL
 * by name. It fills a handle with every strategy and checks that the engine wrote each field
 * where the table puts it and nothing past the record's end, then prints the offsets it used.
 *
 * Usage: handle_layout_client DATABASE   (quorvane-region.dll beside the program)
 * Exit codes: 0 every check held, 1 a check failed, 2 usage or the DLL is missing. */
#include <windows.h>

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

/* The field table: order and widths; pointers are native width. */
typedef struct caller_handle {
    uint32_t* header_start_ips;
    uint32_t* header_index_offsets;
    int32_t header_count;
    uint32_t reserved;
    void* file;
    unsigned char* file_image;
    uint32_t first_index_offset;
    uint32_t last_index_offset;
    int32_t index_count;
} caller_handle;

typedef struct caller_result {
    uint32_t record_number;
    char region_text[256];
} caller_result;

typedef int(__cdecl* open_fn)(caller_handle*, const char*);
typedef int(__cdecl* close_fn)(caller_handle*);
typedef int(__cdecl* search_fn)(caller_handle*, uint32_t, caller_result*);
typedef int(__cdecl* search_text_fn)(caller_handle*, const char*, caller_result*);
typedef uint32_t(__cdecl* read_u32_fn)(const unsigned char*, int32_t);
typedef uint32_t(__cdecl* to_number_fn)(const char*);
typedef uint32_t(__cdecl* to_text_fn)(void);

/* Guard bytes after the record: an engine laid out for wider fields would write into them. */
enum { kGuardBytes = 64, kGuard = 0xA5, kStale = 0xCD };

static int failures = 0;

static void Check(int condition, const char* what) {
    if (!condition) {
        printf("FAIL %s\n", what);
        ++failures;
    }
}

static FARPROC Export(HMODULE dll, const char* name) {
    FARPROC proc = GetProcAddress(dll, name);
    if (proc == NULL) {
        printf("FAIL no export named %s\n", name);
        ++failures;
    }
    return proc;
}

/* A cast through a function of no arguments, which the compiler accepts from any function. */
#define EXPORT(type, dll, name) ((type)(void (*)(void))Export(dll, name))

struct engine {
    open_fn create;
    close_fn destroy;
    search_fn search[3];
    search_text_fn search_text[3];
    read_u32_fn get_unsigned_int;
    to_number_fn to_number;
    to_text_fn to_text;
};

static int LoadEngine(HMODULE dll, struct engine* e) {
    e->create = EXPORT(open_fn, dll, "ip2region_create");
    e->destroy = EXPORT(close_fn, dll, "ip2region_destroy");
    e->search[0] = EXPORT(search_fn, dll, "ip2region_memory_search");
    e->search[1] = EXPORT(search_fn, dll, "ip2region_binary_search");
    e->search[2] = EXPORT(search_fn, dll, "ip2region_btree_search");
    e->search_text[0] = EXPORT(search_text_fn, dll, "ip2region_memory_search_string");
    e->search_text[1] = EXPORT(search_text_fn, dll, "ip2region_binary_search_string");
    e->search_text[2] = EXPORT(search_text_fn, dll, "ip2region_btree_search_string");
    e->get_unsigned_int = EXPORT(read_u32_fn, dll, "getUnsignedInt");
    e->to_number = EXPORT(to_number_fn, dll, "ip2long");
    e->to_text = EXPORT(to_text_fn, dll, "long2ip");
    return failures == 0;
}

static int GuardIntact(const unsigned char* guard) {
    int i;
    for (i = 0; i < kGuardBytes; ++i) {
        if (guard[i] != kGuard) {
            return 0;
        }
    }
    return 1;
}

static void PrintOffsets(void) {
#define FIELD(name)                                                      \
    printf("%s %u %u\n", #name, (unsigned)offsetof(caller_handle, name), \
           (unsigned)sizeof(((caller_handle*)0)->name))
    FIELD(header_start_ips);
    FIELD(header_index_offsets);
    FIELD(header_count);
    FIELD(reserved);
    FIELD(file);
    FIELD(file_image);
    FIELD(first_index_offset);
    FIELD(last_index_offset);
    FIELD(index_count);
#undef FIELD
    printf("size %u\n", (unsigned)sizeof(caller_handle));
}

/* Runs every strategy, by number and by text, on one handle, checking the fields each fills. */
static void Search(const struct engine* e, caller_handle* h, const unsigned char* guard) {
    static const char* const names[] = {"memory", "binary", "btree"};
    const char* address = "114.114.114.114";
    caller_result first;
    int s;
    memset(&first, 0, sizeof(first));
    for (s = 0; s < 3; ++s) {
        caller_result by_number;
        caller_result by_text;
        Check(e->search[s](h, e->to_number(address), &by_number) == 1, "search by number");
        Check(e->search_text[s](h, address, &by_text) == 1, "search by text");
        Check(strcmp(by_number.region_text, by_text.region_text) == 0, "number and text agree");
        if (s == 0) {
            first = by_text;
        }
        Check(strcmp(first.region_text, by_text.region_text) == 0, "strategies agree");
        Check(GuardIntact(guard), "nothing written past the record");
        printf("%s %s %u %s\n", address, names[s], (unsigned)by_text.record_number,
               by_text.region_text);
    }
    /* The memory search loaded the image and the bounds; the bounds block is the file's first
     * eight bytes, so the image read through the DLL's own reader must give the same words. */
    Check(h->file_image != NULL, "file_image set by the memory search");
    if (h->file_image != NULL) {
        Check(e->get_unsigned_int(h->file_image, 0) == h->first_index_offset, "first_index_offset");
        Check(e->get_unsigned_int(h->file_image, 4) == h->last_index_offset, "last_index_offset");
    }
    Check(h->last_index_offset > h->first_index_offset, "index bounds");
    Check(h->index_count == (int32_t)((h->last_index_offset - h->first_index_offset) / 12 + 1),
          "index_count");
    Check(h->header_count > 0 && h->header_count <= 1024, "header_count set by the btree search");
    Check(h->reserved == 0, "reserved stays zero");
}

int main(int argc, char** argv) {
    struct engine e;
    unsigned char storage[sizeof(caller_handle) + kGuardBytes];
    caller_handle* h = (caller_handle*)(void*)storage;
    const unsigned char* guard = storage + sizeof(caller_handle);
    HMODULE dll;

    if (argc != 2) {
        fprintf(stderr, "usage: %s DATABASE\n", argv[0]);
        return 2;
    }
    dll = LoadLibraryA("quorvane-region.dll");
    if (dll == NULL || !LoadEngine(dll, &e)) {
        printf("FAIL cannot load quorvane-region.dll and its eleven functions\n");
        return 2;
    }
    printf("pointer bits %u\n", (unsigned)(sizeof(void*) * 8));
    PrintOffsets();

    /* Stale bytes in the record: create must zero every field itself. */
    memset(storage, kStale, sizeof(caller_handle));
    memset(storage + sizeof(caller_handle), kGuard, kGuardBytes);
    Check(e.create(h, argv[1]) == 1, "create");
    Check(h->header_start_ips != NULL && h->header_index_offsets != NULL, "header arrays");
    Check(h->header_count == 0 && h->reserved == 0, "counts zeroed by create");
    Check(h->file != NULL && h->file_image == NULL, "file open, no image yet");
    Check(h->first_index_offset == 0 && h->last_index_offset == 0 && h->index_count == 0,
          "bounds zeroed by create");
    Check(GuardIntact(guard), "nothing written past the record");

    Search(&e, h, guard);
    Check(e.to_text() == 0, "long2ip");

    Check(e.destroy(h) == 1, "destroy");
    {
        static const caller_handle empty;
        Check(memcmp(h, &empty, sizeof(empty)) == 0, "destroy empties every field");
    }
    Check(GuardIntact(guard), "nothing written past the record");
    printf("%s\n", failures == 0 ? "layout ok" : "layout broken");
    return failures == 0 ? 0 : 1;
}
