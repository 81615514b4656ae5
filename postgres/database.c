#include "postgres.h"

#include "database.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include "utils/memutils.h"

enum { kBoundsSize = 8, kHeaderEnd = 8 + 8192, kIndexEntrySize = 12 };

static region_handle g_handle;
static char* g_path; /* in TopMemoryContext; NULL while nothing is open */

static uint32_t ReadU32(const unsigned char* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static void BrokenFile(const char* path, const char* why) pg_attribute_noreturn();
static void BrokenFile(const char* path, const char* why) {
    ereport(ERROR, (errcode(ERRCODE_DATA_CORRUPTED),
                    errmsg("地区数据库文件 \"%s\" 不可用: %s", path, why)));
}

/* The checks that a whole run would otherwise fail on silently, every search a miss: a regular
 * file that the format can address, with an index that lies inside it after the header. */
static void CheckLayout(const char* path, FILE* file) {
    struct stat st;
    unsigned char bounds[kBoundsSize];
    if (fstat(fileno(file), &st) != 0) {
        ereport(ERROR,
                (errcode_for_file_access(), errmsg("无法读取地区数据库文件 \"%s\": %m", path)));
    }
    if (!S_ISREG(st.st_mode)) {
        BrokenFile(path, "不是普通文件");
    }
    if (st.st_size < kHeaderEnd + kIndexEntrySize || (uint64_t)st.st_size > UINT32_MAX) {
        BrokenFile(path, "文件大小不符合数据库格式");
    }
    if (fread(bounds, 1, kBoundsSize, file) != kBoundsSize) {
        ereport(ERROR,
                (errcode_for_file_access(), errmsg("无法读取地区数据库文件 \"%s\": %m", path)));
    }
    uint32_t first = ReadU32(bounds);
    uint32_t last = ReadU32(bounds + 4);
    if (first < kHeaderEnd || last < first || (last - first) % kIndexEntrySize != 0 ||
        (uint64_t)last + kIndexEntrySize > (uint64_t)st.st_size) {
        BrokenFile(path, "索引不在文件之内");
    }
}

void QuorvaneDatabaseUse(const char* path) {
    if (g_path != NULL && strcmp(g_path, path) == 0) {
        return;
    }
    if (path[0] == '\0') {
        ereport(ERROR, (errcode(ERRCODE_INVALID_PARAMETER_VALUE),
                        errmsg("未设置地区数据库文件 (quorvane.database 为空)")));
    }
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        ereport(ERROR,
                (errcode_for_file_access(), errmsg("无法打开地区数据库文件 \"%s\": %m", path)));
    }
    PG_TRY();
    { CheckLayout(path, file); }
    PG_FINALLY();
    { fclose(file); }
    PG_END_TRY();

    char* copy = MemoryContextStrdup(TopMemoryContext, path);
    region_handle handle;
    region_result probe;
    if (!ip2region_create(&handle, path)) {
        pfree(copy);
        ereport(ERROR,
                (errcode_for_file_access(), errmsg("无法打开地区数据库文件 \"%s\": %m", path)));
    }
    /* The first memory search loads the image; doing it here turns a failed load into an error
     * now instead of a miss on every row. */
    ip2region_memory_search(&handle, 0, &probe);
    if (handle.file_image == NULL) {
        ip2region_destroy(&handle);
        pfree(copy);
        ereport(ERROR, (errcode(ERRCODE_OUT_OF_MEMORY),
                        errmsg("无法把地区数据库文件 \"%s\" 读入内存", path)));
    }
    if (g_path != NULL) {
        ip2region_destroy(&g_handle);
        pfree(g_path);
    }
    g_handle = handle;
    g_path = copy;
}

bool QuorvaneDatabaseSearch(uint32_t address, region_result* result) {
    return ip2region_memory_search(&g_handle, address, result) == 1;
}
