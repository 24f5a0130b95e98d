#pragma once

#include <string>
#include <string_view>

// Whether an activity name can be stored as a key of GM.ini and read back as the same name.

// The message explaining why the (already trimmed) name cannot be saved, or empty when it can: a
// blank name, "=" (it would end the key), "[" or ";" at the start (the line would read as a
// section or a comment), a line break or other control character (it would split or hide the
// line), or a character that code page 936 cannot hold (it would come back as "?", a different
// activity). "|", "," and inner spaces are allowed.
std::u16string TaskNameRefusal(std::u16string_view name);
