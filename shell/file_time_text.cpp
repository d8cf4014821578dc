#include "shell/file_time_text.h"

#include "core/display_format.h"

std::string FormatFileTime(const FILETIME& utc) {
    // The conversion to local time adds the offset without a check, so a negative time east of
    // UTC would wrap round into a plausible date in 1601.
    if (utc.dwHighDateTime & 0x80000000) return std::string();
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &fields)) return std::string();
    return FormatDateTime({fields.wYear, fields.wMonth, fields.wDay, fields.wHour, fields.wMinute});
}
