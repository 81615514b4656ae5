#include "batch/database_file.h"

#include <new>

#include "files/conversions.h"

namespace quorvane {

DatabaseOpening OpenDatabaseFile(std::u16string_view path, quorvane_db_family family) {
    DatabaseOpening opening;
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        return opening;
    }
    try {
        // The engine takes UTF-8 names, as the text files and the existence check pass them, so
        // the file that is opened is the file the user named (on Windows by its wide name).
        const std::string narrow = WideToUtf8(path);
        quorvane_db* db = nullptr;
        opening.engineStatus = quorvane_db_open(narrow.c_str(), &db);
        if (db != nullptr && quorvane_db_get_family(db) != family) {
            quorvane_db_close(db);
            db = nullptr;
            opening.engineStatus = QUORVANE_DB_INVALID;
        }
        if (db != nullptr) {
            opening.database = SharedDatabase(db, quorvane_db_close);
        }
    } catch (const std::bad_alloc&) {
        opening.engineStatus = QUORVANE_DB_NO_MEMORY;
    }
    switch (opening.engineStatus) {
        case QUORVANE_DB_OK:
            opening.status = DatabaseStatus::kUsable;
            break;
        case QUORVANE_DB_NOT_FOUND:
        case QUORVANE_DB_NOT_A_FILE:
        case QUORVANE_DB_BAD_ARGUMENT:
            opening.status = DatabaseStatus::kMissing;
            break;
        default:
            opening.status = DatabaseStatus::kUnusable;
            break;
    }
    return opening;
}

std::u16string DatabaseFailureCause(int engineStatus) {
    switch (engineStatus) {
        case QUORVANE_DB_OK:
            return std::u16string();
        case QUORVANE_DB_NOT_FOUND:
        case QUORVANE_DB_BAD_ARGUMENT:
            return u"文件不存在";
        case QUORVANE_DB_NOT_A_FILE:
            return u"不是普通文件";
        case QUORVANE_DB_NO_ACCESS:
            return u"没有读取权限";
        case QUORVANE_DB_TOO_LARGE:
            return u"文件过大";
        case QUORVANE_DB_INVALID:
            return u"不是有效的数据库文件";
        case QUORVANE_DB_NO_MEMORY:
            return u"内存不足";
        default:
            return u"读取失败";
    }
}

}  // namespace quorvane
