// Every text the frame logic shows in a message box or the status bar. The caption of each box
// ("提示信息") is the window's business.
#ifndef QUORVANE_UI_MESSAGES_H_
#define QUORVANE_UI_MESSAGES_H_

#include "batch/run_messages.h"  // the texts the command shows too

namespace quorvane::messages {

inline constexpr char16_t kRunActive[] = u"IP地址解析中禁止导入或导出!";
inline constexpr char16_t kAskClear[] = u"列表中已存在IP地址,是否清空并导入?";
inline constexpr char16_t kNothingToExport[] = u"不存在导出的IP地址!";
// ip2region.db is there but cannot be read, or is no database the tool can use (damaged, cut
// short, or larger than the format can address).
inline constexpr char16_t kDatabaseUnusable[] = u"ip2region.db文件已损坏或无法读取!";

// The status bar. %1, %2, ... stand for numbers (FormatStatus); seconds have one decimal.
// After an import: the rows the list holds.
inline constexpr char16_t kStatusRows[] = u"共 %1 行";
// During a run, refreshed with the list: rows handed to the workers so far, of all rows.
inline constexpr char16_t kStatusProgress[] = u"解析中 %1 / %2";
// A run that went through every row: rows with a result, rows without one, seconds.
inline constexpr char16_t kStatusFinished[] = u"解析完成：有结果 %1 行，无结果 %2 行，用时 %3 秒";
// A run ended by Stop: the same, and the rows it never reached.
inline constexpr char16_t kStatusStopped[] =
    u"已结束：有结果 %1 行，无结果 %2 行，未解析 %3 行，用时 %4 秒";

// Appended to the finished texts when IPv6 rows went unresolved because region6.db (beside
// ip2region.db) is missing or unusable: how many, and why (a few words).
inline constexpr char16_t kStatusIpv6Unresolved[] = u"；IPv6地址 %1 行未解析（region6.db：%2）";

}  // namespace quorvane::messages

#endif  // QUORVANE_UI_MESSAGES_H_
