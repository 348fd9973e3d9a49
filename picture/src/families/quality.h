// Cases shared by the picture quality settings that the output control
// library holds, and the row data that drives them.
#pragma once

#include "cases.h"
#include "value_tables.h"

namespace picture {

// The library's (picture, out, flag) getters and (picture, value, flag) setters;
// settings with other shapes adapt to these.
using AvocGetter = int (*)(int picture, int *value, int flag);
using AvocSetter = int (*)(int picture, int value, int flag);

// The picture every call addresses, and the flag of a get.
constexpr int kMainPicture = 0;
constexpr int kReadFlag = 1;

// Line logged after a read, with its status and the raw value; the gamma
// configuration also logs the position found (0 when none).
enum class ReadLog { None, Status, ColorSpace, GammaConfig };
// Line logged by a set: "value is" before an in-range call, or the status
// line after every outcome (the logged forward translation).
enum class WriteLog { None, ValueIs, Status };

// A setting translated through a value table.
struct TableSetting {
    AvocGetter get;
    AvocSetter set;
    ValueTable table;
    ReadLog read_log = ReadLog::None;
    WriteLog write_log = WriteLog::None;
};

// A setting whose menu value is the library's value.
struct PlainSetting {
    AvocGetter get;
    AvocSetter set;
};

// 1 for a committed set (and a get), 0 for a preview.
inline int flag_of(const Request &request)
{
    return request.commit ? 1 : 0;
}

// Reads `setting` into `value` and looks it up: the menu value, or the
// read's status, or -1 when the table does not hold the value read.
Outcome table_read(const Request &request, const TableSetting &setting, int *value);
// Forward translation, then the setter (set and preview).
Outcome table_write(const Request &request, const TableSetting &setting, int value);

// The cases of a table-driven setting.
template <const TableSetting &Setting> Outcome table_get(const Request &request, int *value)
{
    return table_read(request, Setting, value);
}

template <const TableSetting &Setting> Outcome table_set(const Request &request, int value)
{
    return table_write(request, Setting, value);
}

// The cases of a setting passed straight through.
template <const PlainSetting &Setting> Outcome plain_get(const Request &, int *value)
{
    return status_of(Setting.get(kMainPicture, value, kReadFlag));
}

template <const PlainSetting &Setting> Outcome plain_set(const Request &request, int value)
{
    return status_of(Setting.set(kMainPicture, value, flag_of(request)));
}

}  // namespace picture
