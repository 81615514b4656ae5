// The texts that both the desktop tool and quorvane-batch show, word for word: the command prints
// them as the window's message boxes show them, so a user meets one wording.
#ifndef QUORVANE_BATCH_RUN_MESSAGES_H_
#define QUORVANE_BATCH_RUN_MESSAGES_H_

namespace quorvane::messages {

inline constexpr char16_t kExportDone[] = u"导出成功!";
inline constexpr char16_t kDatabaseMissing[] = u"未找到ip2region.db文件!";
inline constexpr char16_t kImportFirst[] = u"请导入IP地址!";
// The file chosen for import could not be opened for reading; the table was left alone.
inline constexpr char16_t kImportUnreadable[] = u"无法读取文件!";
// The result file could not be opened, written completely or closed.
inline constexpr char16_t kExportFailed[] = u"导出失败!";
// A worker thread could not be created; no run is going.
inline constexpr char16_t kNoWorkerThread[] = u"无法创建工作线程!";
// A worker could not allocate memory: the run stopped, the rows it had not reached keep what
// they held.
inline constexpr char16_t kOutOfMemory[] = u"内存不足,解析未完成!";

}  // namespace quorvane::messages

#endif  // QUORVANE_BATCH_RUN_MESSAGES_H_
