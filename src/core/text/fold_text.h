#pragma once

#include <string>
#include <string_view>

namespace kalvintera {

// A text as words written by people are compared: blanks around dropped, ASCII and Polish
// letters to lower case without their accents (ą→a, ł→l, ż→z …), spaces and '_' alike ('_').
// Other characters stay as they are. "Poziom dźwięku" and "poziom_dzwieku" fold alike.
std::string FoldForMatching(std::string_view text);

} // namespace kalvintera
