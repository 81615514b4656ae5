// Every text the frame logic shows in a message box. The caption of each box ("提示信息") is the
// window's business.
#ifndef QUORVANE_UI_MESSAGES_H_
#define QUORVANE_UI_MESSAGES_H_

namespace quorvane::messages {

inline constexpr char16_t kRunActive[] = u"IP地址解析中禁止导入或导出!";
inline constexpr char16_t kAskClear[] = u"列表中已存在IP地址,是否清空并导入?";
inline constexpr char16_t kNothingToExport[] = u"不存在导出的IP地址!";
inline constexpr char16_t kExportDone[] = u"导出成功!";
inline constexpr char16_t kDatabaseMissing[] = u"未找到ip2region.db文件!";
// ip2region.db is there but cannot be read, or is no database the tool can use (damaged, cut
// short, or larger than the format can address).
inline constexpr char16_t kDatabaseUnusable[] = u"ip2region.db文件已损坏或无法读取!";
inline constexpr char16_t kImportFirst[] = u"请导入IP地址!";
// The file chosen for import could not be opened for reading; the table was left alone.
inline constexpr char16_t kImportUnreadable[] = u"无法读取文件!";
// The result file could not be opened, written completely or closed.
inline constexpr char16_t kExportFailed[] = u"导出失败!";
// A worker thread could not be created; no run is going.
inline constexpr char16_t kNoWorkerThread[] = u"无法创建工作线程!";

}  // namespace quorvane::messages

#endif  // QUORVANE_UI_MESSAGES_H_
