// The cases that most quality settings share: the table-driven read and write.
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

Outcome table_write(const Request &request, const TableSetting &setting, int value)
{
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

}  // namespace picture
