#include "postgres.h"

#include "database.h"

#include <string.h>

#include "quorvane/region_db.h"
#include "utils/memutils.h"

/* One family's database: the open file and the path it was opened from (in TopMemoryContext;
 * both NULL while nothing is open), and the setting that names it, for messages. */
typedef struct OpenDatabase {
    quorvane_db_family family;
    const char* setting;
    quorvane_db* db;
    char* path;
} OpenDatabase;

static OpenDatabase g_database4 = {QUORVANE_DB_IPV4, "quorvane.database", NULL, NULL};
static OpenDatabase g_database6 = {QUORVANE_DB_IPV6, "quorvane.database6", NULL, NULL};

/* Raises the ERROR for a database that quorvane_db_open refused with status: the class of the
 * fault, and a cause that says it in the user's words. */
static void OpenError(const char* path, int status) pg_attribute_noreturn();
static void OpenError(const char* path, int status) {
    int code = ERRCODE_DATA_CORRUPTED;
    const char* cause = "不是有效的数据库文件";
    switch (status) {
        case QUORVANE_DB_NOT_FOUND:
            code = ERRCODE_UNDEFINED_FILE;
            cause = "文件不存在";
            break;
        case QUORVANE_DB_NO_ACCESS:
            code = ERRCODE_INSUFFICIENT_PRIVILEGE;
            cause = "没有读取权限";
            break;
        case QUORVANE_DB_READ_FAILED:
            code = ERRCODE_IO_ERROR;
            cause = "读取失败";
            break;
        case QUORVANE_DB_NO_MEMORY:
            code = ERRCODE_OUT_OF_MEMORY;
            cause = "内存不足";
            break;
        case QUORVANE_DB_NOT_A_FILE:
            cause = "不是普通文件";
            break;
        case QUORVANE_DB_TOO_LARGE:
            cause = "文件大小不符合数据库格式";
            break;
        default:
            break;
    }
    ereport(ERROR, (errcode(code), errmsg("地区数据库文件 \"%s\" 不可用: %s", path, cause)));
    pg_unreachable();
}

/* Raises the ERROR for a database file of the other family given to one's setting: each
 * setting takes the files of its own family only. */
static void FamilyError(const OpenDatabase* wanted, const char* path) pg_attribute_noreturn();
static void FamilyError(const OpenDatabase* wanted, const char* path) {
    ereport(ERROR, (errcode(ERRCODE_WRONG_OBJECT_TYPE),
                    errmsg("地区数据库文件 \"%s\" 不可用: %s 需要 %s 数据库", path, wanted->setting,
                           wanted->family == QUORVANE_DB_IPV6 ? "IPv6 (region6.db)"
                                                              : "IPv4 (ip2region.db)")));
    pg_unreachable();
}

static void Use(OpenDatabase* open, const char* path) {
    if (open->path != NULL && strcmp(open->path, path) == 0) {
        return;
    }
    if (path[0] == '\0') {
        ereport(ERROR, (errcode(ERRCODE_INVALID_PARAMETER_VALUE),
                        errmsg("未设置地区数据库文件 (%s 为空)", open->setting)));
    }
    /* Everything that can fail comes before the open database is given up; the copy is made
     * first so that no database is left unowned by an ERROR. */
    char* copy = MemoryContextStrdup(TopMemoryContext, path);
    quorvane_db* opened = NULL;
    int status = quorvane_db_open(path, &opened);
    if (status != QUORVANE_DB_OK) {
        pfree(copy);
        OpenError(path, status);
    }
    if (quorvane_db_get_family(opened) != open->family) {
        quorvane_db_close(opened);
        pfree(copy);
        FamilyError(open, path);
    }
    if (open->path != NULL) {
        quorvane_db_close(open->db);
        pfree(open->path);
    }
    open->db = opened;
    open->path = copy;
}

void QuorvaneDatabaseUse(const char* path) {
    Use(&g_database4, path);
}

void QuorvaneDatabase6Use(const char* path) {
    Use(&g_database6, path);
}

/* Fills result with record's number and text; false for record 0 (no range covers the address). */
static bool FillResult(const quorvane_db* db, quorvane_db_record record, region_result* result) {
    if (record == 0) {
        return false;
    }
    size_t length;
    const char* text = quorvane_db_text(db, record, &length);
    result->record_number = quorvane_db_record_number(db, record);
    memcpy(result->region_text, text, length);
    result->region_text[length] = '\0';
    return true;
}

bool QuorvaneDatabaseSearch(uint32_t address, region_result* result) {
    return FillResult(g_database4.db, quorvane_db_find4(g_database4.db, address), result);
}

bool QuorvaneDatabaseSearch6(const unsigned char address[16], region_result* result) {
    return FillResult(g_database6.db, quorvane_db_find6(g_database6.db, address), result);
}
