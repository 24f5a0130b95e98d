#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kMaxWarningLeadMinutes = 120;

// Warning leads as written in GM.ini: whole minutes from 1 to kMaxWarningLeadMinutes separated by
// commas, "0" alone for none. Largest first, each once; nothing when the text is not that.
std::optional<std::vector<int>> ParseWarningLeads(std::u16string_view text);

// The leads as ParseWarningLeads reads them back: "10,5", or "0" for none.
std::u16string FormatWarningLeads(const std::vector<int>& leads);
