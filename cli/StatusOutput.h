#pragma once

#include <string>

#include "schedule/StatusTexts.h"

// The status as `--status` prints it: the now text, then the soon text, each of their lines ended
// by LF.
std::u16string StatusAsText(const StatusTexts& texts);

// The status as one line of JSON, ended by LF, in the form status bars read (waybar's custom
// modules with "return-type": "json"):
//   text     the first line of the now list without its number, or else that of the soon list,
//            or else empty;
//   tooltip  the lines of StatusAsText;
//   class    "open" when something can be joined now, "soon" when only the soon list has lines,
//            "idle" otherwise;
//   open, soon  the entries of the two lists, as {"name": …, "time": …}.
std::u16string StatusAsJson(const StatusTexts& texts);
