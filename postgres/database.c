#include "postgres.h"

#include "database.h"

#include <string.h>

#include "quorvane/region_db.h"
#include "utils/memutils.h"

/* The open database and the path it was opened from (in TopMemoryContext; NULL while nothing
 * is open). */
static quorvane_db* g_database;
static char* g_path;

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

void QuorvaneDatabaseUse(const char* path) {
    if (g_path != NULL && strcmp(g_path, path) == 0) {
        return;
    }
    if (path[0] == '\0') {
        ereport(ERROR, (errcode(ERRCODE_INVALID_PARAMETER_VALUE),
                        errmsg("未设置地区数据库文件 (quorvane.database 为空)")));
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
    if (g_path != NULL) {
        quorvane_db_close(g_database);
        pfree(g_path);
    }
    g_database = opened;
    g_path = copy;
}

bool QuorvaneDatabaseSearch(uint32_t address, region_result* result) {
    quorvane_db_record record = quorvane_db_find4(g_database, address);
    if (record == 0) {
        return false;
    }
    size_t length;
    const char* text = quorvane_db_text(g_database, record, &length);
    result->record_number = quorvane_db_record_number(g_database, record);
    memcpy(result->region_text, text, length);
    result->region_text[length] = '\0';
    return true;
}
