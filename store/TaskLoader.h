#pragma once

#include <vector>

#include "schedule/cTask.h"
#include "store/ScheduleProblems.h"
#include "store/ini/IniDocument.h"
#include "text/Outcome.h"

// The records of the two activity sections of a file already read (allTasks): the fixed section
// first, then the range section, each in file order. Never stops half-way; the problems are what
// it skipped.
Outcome<std::vector<cTask>, std::vector<LoadProblem>> LoadTasks(const IniDocument& document);
