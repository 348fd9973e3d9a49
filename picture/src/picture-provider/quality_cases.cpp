// The cases that most quality settings share: table-driven and plain.
#include "quality.h"

namespace picture {

static void log_read(const Request &request, ReadLog kind, int status, int value)
{
    switch (kind) {
    case ReadLog::None: break;
    case ReadLog::Status: CASE_LOG(request, " get status:%d value:%d ", status, value); break;
    case ReadLog::ColorSpace:
        CASE_LOG(request, "color space status is %d value is %d", status, value);
        break;
    case ReadLog::GammaConfig: CASE_LOG(request, "avoc_get_gamma_config : [%d]", value); break;
    }
}

Outcome table_read(const Request &request, const TableSetting &setting, int *value)
{
    int status = setting.get(kMainPicture, value, kReadFlag);
    log_read(request, setting.read_log, status, *value);
    if (status != 0)
        return status_of(status);
    int found = reverse_lookup(setting.table, value);
    if (setting.read_log == ReadLog::GammaConfig)
        CASE_LOG(request, "avoc_get_gamma_config : [%d]", found == 0 ? *value : 0);
    return status_of(found);
}

Outcome table_get(const Request &request, int *value)
{
    return table_read(request, row_of<TableSetting>(request), value);
}

Outcome table_set(const Request &request, int value)
{
    const TableSetting &setting = row_of<TableSetting>(request);
    int translated = 0;
    int status = -1;
    if (forward_translate(setting.table, value, &translated)) {
        if (setting.write_log == WriteLog::ValueIs)
            CASE_LOG(request, "value is %d", value);
        status = setting.set(kMainPicture, translated, flag_of(request));
    }
    if (setting.write_log == WriteLog::Status)
        CASE_LOG(request, " set status:%d value:%d ", status, value);
    return status_of(status);
}

Outcome plain_get(const Request &request, int *value)
{
    return status_of(row_of<PlainSetting>(request).get(kMainPicture, value, kReadFlag));
}

Outcome plain_set(const Request &request, int value)
{
    return status_of(row_of<PlainSetting>(request).set(kMainPicture, value, flag_of(request)));
}

}  // namespace picture
