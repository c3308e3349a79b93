// 历史记录 — log.dat in the program folder: every cast chart appended as one
// record, and the history dialog's list, re-cast and deletion without its window.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/history_record.h"

namespace orvane {

inline constexpr std::size_t kHistoryAppendLimit = 640000;   // no append from this size on
inline constexpr std::size_t kHistoryListLimit = 100000;     // the list reads this much at most
inline constexpr std::size_t kHistoryDeleteLimit = 1024001;  // no deletion from this size on

// Appends the birth data of the chart record with the local time. A missing
// log.dat is created; a file of kHistoryAppendLimit bytes or more is left alone
// after a message. The record is written whole or not at all (a full disk
// leaves the file as it was, after kHistoryAppendFailed). Never stops the chart.
//
// Append, listing and deletion take turns on log.dat.lock beside the file, so
// that two windows or a script beside the window neither lose records nor
// repeat a number.
void append_history();

// The state of the history dialog: the list box (one line 2 per record, oldest
// first) and its selection (-1 for none).
struct HistoryDialogState {
    std::vector<std::string> lines;
    int selection = -1;
    // The record behind each line, as a deletion finds it again in the file.
    std::vector<HistoryRecordKey> keys;

    // Opening: reads the options, then lists.
    void open();

    // Creates log.dat when it is missing and lists it. A file over
    // kHistoryListLimit bytes is listed as far as its first kHistoryListLimit
    // bytes hold whole lines, after "log.dat > 100K".
    void list();

    // "排八字": stores the selected record as validated BirthData with true solar
    // time switched on exactly when the record has a place. False (the dialog
    // stays open, the chart record as it was) after a message.
    bool recast();

    // "删除": asks, then removes the selected record from log.dat and from the
    // list. The record is looked for by its bytes as listed, wherever it stands
    // now; one that another process deleted meanwhile is refused with
    // kHistoryRecordGone. False when nothing was deleted.
    bool remove();
};

// Re-casting one listed line, as "排八字" does with the selection.
bool recast_history_line(const std::string& line);

// The messages of the history.
inline constexpr const char* kHistoryCannotOpen = "log.dat can't open";
inline constexpr const char* kHistoryListTooLong = "log.dat > 100K";
inline constexpr const char* kHistoryDeleteTooLong = "log.dat > 1024K";
inline constexpr const char* kHistoryAppendTooLong = "log.dat > 640K，本次生辰没有存入历史记录";
inline constexpr const char* kHistoryNoSelection = "请选择一条记录";
inline constexpr const char* kHistoryConfirmDelete = "确认删除该记录？";
inline constexpr const char* kHistoryBadRecord = "该记录格式有误，不能排八字";
inline constexpr const char* kHistoryAppendFailed = "log.dat写入失败（磁盘已满或不能写入），本次生辰没有存入历史记录";
inline constexpr const char* kHistoryRecordGone = "该记录已不在log.dat中（已在别处删除），没有删除任何记录";

}  // namespace orvane
