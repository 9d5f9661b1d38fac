#pragma once

// Language lines of the start-up, the language menu and the update module that came after
// the classic 1100 lines.
namespace kalvintera::shell_line {

// The language menu's items, each language named in its own language: Polish is
// kLanguageNames + 0, Russian kLanguageNames + 3.
inline constexpr int kLanguageNames = 1190;
inline constexpr int kLanguageFileMissing = 1194;    // %1 the file; the Polish texts stay
inline constexpr int kSettingsKept = 1195;           // %1 the settings file, not written at exit
inline constexpr int kDownloadFailed = 1196;         // %1 the address
inline constexpr int kServerAnswered = 1197;         // %1 "404 Not Found", %2 the address
inline constexpr int kTransferCut = 1198;            // %1 bytes received, %2 bytes announced
inline constexpr int kPartialFileRemoved = 1199;     // %1 the file
inline constexpr int kInstallerNotStarted = 1200;    // %1 the installer
inline constexpr int kNotAVersionFile = 1201;
inline constexpr int kCannotDelete = 1202;           // %1 the file
inline constexpr int kBadInstallerAddress = 1203;    // %1 the address
inline constexpr int kNoSuchAir = 1204;              // %1 °C, %2 Pa, %3 % of the settings' air state

} // namespace kalvintera::shell_line
