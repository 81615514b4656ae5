#include "postgres.h"

#include "database.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "image_search.h"
#include "region_format.h"
#include "utils/memutils.h"

/* The open database: a read-only mapping of the whole file and its index bounds. */
typedef struct Database {
    const unsigned char* image;
    size_t size;
    uint32_t first_index_offset;
    uint32_t last_index_offset;
    uint32_t* slices; /* malloc'ed first-level table of the index, or NULL */
    char* path;       /* in TopMemoryContext; NULL while nothing is open */
} Database;

static Database g_database;

static void FileError(const char* path, int error) pg_attribute_noreturn();
static void FileError(const char* path, int error) {
    errno = error;
    ereport(ERROR, (errcode_for_file_access(), errmsg("无法打开地区数据库文件 \"%s\": %m", path)));
}

static void BrokenFile(const char* path, const char* why) pg_attribute_noreturn();
static void BrokenFile(const char* path, const char* why) {
    ereport(ERROR, (errcode(ERRCODE_DATA_CORRUPTED),
                    errmsg("地区数据库文件 \"%s\" 不可用: %s", path, why)));
}

/* Maps the file at path into *database, or raises an ERROR and leaves nothing mapped. Checks
 * what a run of lookups would otherwise fail on silently, every search a miss: a regular file
 * that the format can address, whose index lies inside it after the header. */
static void Map(const char* path, Database* database) {
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        FileError(path, errno);
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
        int error = errno;
        close(fd);
        FileError(path, error);
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        BrokenFile(path, "不是普通文件");
    }
    if (st.st_size < kFixedBlocksEnd + kIndexEntrySize || (uint64_t)st.st_size > UINT32_MAX) {
        close(fd);
        BrokenFile(path, "文件大小不符合数据库格式");
    }
    size_t size = (size_t)st.st_size;
    void* image = mmap(NULL, size, PROT_READ, MAP_SHARED, fd, 0);
    int error = errno;
    close(fd); /* the mapping keeps the file */
    if (image == MAP_FAILED) {
        FileError(path, error);
    }
    uint32_t first = ReadU32(image);
    uint32_t last = ReadU32((const unsigned char*)image + 4);
    if (first < kFixedBlocksEnd || last < first || (last - first) % kIndexEntrySize != 0 ||
        (uint64_t)last + kIndexEntrySize > size) {
        munmap(image, size);
        BrokenFile(path, "索引不在文件之内");
    }
    database->image = image;
    database->size = size;
    database->first_index_offset = first;
    database->last_index_offset = last;
    /* Private to the process, and built in a few milliseconds; without it (no memory, or an index
     * out of order) the search halves the whole index instead. */
    database->slices = malloc(kRegionSliceTableBytes);
    if (database->slices != NULL &&
        !RegionBuildSliceTable(database->image + first, (last - first) / kIndexEntrySize + 1,
                               database->slices)) {
        free(database->slices);
        database->slices = NULL;
    }
}

void QuorvaneDatabaseUse(const char* path) {
    if (g_database.path != NULL && strcmp(g_database.path, path) == 0) {
        return;
    }
    if (path[0] == '\0') {
        ereport(ERROR, (errcode(ERRCODE_INVALID_PARAMETER_VALUE),
                        errmsg("未设置地区数据库文件 (quorvane.database 为空)")));
    }
    /* Everything that can fail comes before the open database is given up. */
    char* copy = MemoryContextStrdup(TopMemoryContext, path);
    Database opened;
    PG_TRY();
    { Map(path, &opened); }
    PG_CATCH();
    {
        pfree(copy);
        PG_RE_THROW();
    }
    PG_END_TRY();
    if (g_database.path != NULL) {
        munmap((void*)g_database.image, g_database.size);
        free(g_database.slices);
        pfree(g_database.path);
    }
    g_database = opened;
    g_database.path = copy;
}

bool QuorvaneDatabaseSearch(uint32_t address, region_result* result) {
    return RegionSearchImage(g_database.image, g_database.size, g_database.first_index_offset,
                             g_database.last_index_offset, g_database.slices, address, result) == 1;
}
