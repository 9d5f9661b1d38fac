#pragma once

#include <string_view>

namespace kalvintera {

// True when `searched` occurs anywhere in `text`, the last possible position included.
// An empty searched text never matches.
inline bool ContainsText(std::string_view searched, std::string_view text)
{
    return !searched.empty() && text.find(searched) != std::string_view::npos;
}

} // namespace kalvintera
