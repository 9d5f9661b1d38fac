#pragma once

// Language lines of the messages that any part of the program can raise.
namespace kalvintera::message_line {

inline constexpr int kNotANumber = 1101;      // "%1" is not a valid number
inline constexpr int kCannotRead = 1102;      // file %1 cannot be read
inline constexpr int kCannotWrite = 1103;     // file %1 cannot be written
inline constexpr int kDamagedFile = 1104;     // file %1 is damaged
inline constexpr int kBadData = 1105;         // data that read but cannot be used
inline constexpr int kActionFailed = 1106;    // any other failure of a user action
inline constexpr int kOutsideDataDir = 1107;  // a file name that leaves the data folder
inline constexpr int kFileFailed = 1108;      // a file operation, the file unnamed
inline constexpr int kUnusableRecord = 1109;  // a catalogue record left out of a search

} // namespace kalvintera::message_line
