#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvintera {

// A language text with its place holders filled: %1 .. %9 become values[0] .. values[8];
// a place holder without a value stays as it is. Values are not scanned again, so a value
// holding "%2" is shown as typed.
std::string FormatMessage(std::string_view pattern, const std::vector<std::string>& values);

} // namespace kalvintera
