#pragma once

namespace kalvintera::datasheet_lines {

// Language lines of the data sheets and the commands that make them.
inline constexpr int kDetailsButton = 1260;
inline constexpr int kOrderButton = 1261;
inline constexpr int kTitle = 1262;
inline constexpr int kSaveDialogTitle = 1263;
inline constexpr int kDutyAsked = 1264;
inline constexpr int kOperatingPoint = 1265;
inline constexpr int kFlow = 1266;
inline constexpr int kPressure = 1267;
inline constexpr int kEfficiency = 1268;
inline constexpr int kPower = 1269;
inline constexpr int kSpeed = 1270;
inline constexpr int kMotorPower = 1271;
inline constexpr int kVoltage = 1272;
inline constexpr int kCurrent = 1273;
inline constexpr int kMass = 1274;
inline constexpr int kEnergyFigures = 1275;
inline constexpr int kCharacteristics = 1276;
inline constexpr int kSpectrum = 1277;
inline constexpr int kBand = 1278;
inline constexpr int kLevel = 1279;
inline constexpr int kTotal = 1280;
inline constexpr int kTechnicalData = 1281;
inline constexpr int kDimensions = 1282;
inline constexpr int kAccessories = 1283;
inline constexpr int kPage = 1284;
inline constexpr int kCustomer = 1285;
inline constexpr int kOrderTitle = 1286;
inline constexpr int kLineNumber = 1287;
inline constexpr int kProduct = 1288;
inline constexpr int kQuantity = 1289;
inline constexpr int kDutyColumn = 1290;
inline constexpr int kOpenSaved = 1291;
inline constexpr int kThrottling = 1292;
inline constexpr int kSpeedChange = 1293;
inline constexpr int kOrderEmpty = 1294;
inline constexpr int kDutyNotReached = 1295;
inline constexpr int kPdfFilter = 1296;
inline constexpr int kModel = 1297;
inline constexpr int kName = 1298;
inline constexpr int kProgramName = 1299;
inline constexpr int kVersion = 1300;
inline constexpr int kChartMenuItem = 1301;

} // namespace kalvintera::datasheet_lines
