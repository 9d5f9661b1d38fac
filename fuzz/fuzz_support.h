#pragma once

#include "core/errors.h"
#include "core/text/number_format.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace kalvintera::fuzz {

// The input as the file a reader opens: one file per process in a private temporary
// folder, rewritten for every input and removed when the process ends. `name` is the
// file's path in that folder, folders included (some readers derive a second name from it
// or look it up below a data folder).
std::filesystem::path WriteInput(const std::uint8_t* data, std::size_t size, std::string_view name);
inline std::filesystem::path WriteInput(std::string_view text, std::string_view name)
{
    return WriteInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), name);
}

// Runs `action`. The errors through which the program reports bad input to the user are
// the expected outcome; anything else escapes and is a finding.
template <typename Action>
bool Expecting(Action&& action)
{
    try {
        action();
        return true;
    } catch (const KalvinteraError&) {
        return false;
    }
}

// Inputs are read under both decimal separators a locale can have.
inline constexpr std::array<NumberFormat, 2> kBothSeparators = {NumberFormat{'.'}, NumberFormat{','}};

// Stops the run when a property that must hold for every input does not.
void Require(bool holds, const char* what);

} // namespace kalvintera::fuzz
