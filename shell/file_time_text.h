// A file time as the lists, tooltips and info strips show it: local time to the minute.
#pragma once
#include <windows.h>

#include <string>

// Converted with the present offset from UTC. Empty for a time with the top bit set, as a
// damaged file system or archive may give, and for one that the offset takes out of range.
std::string FormatFileTime(const FILETIME& utc);
