#pragma once

#include <string>

#include "schedule/ActivityEntries.h"
#include "schedule/ActivityValue.h"

// An entry as the list of what opens within 30 minutes shows it: a fixed time point as its start
// and "开启" ("12:05开启"), a range as written ("12:05-12:20").
std::u16string SoonText(ActivityKind kind, const EntryView& entry);
