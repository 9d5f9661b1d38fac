#pragma once

#include "core/order/order_list.h"

#include <filesystem>

namespace kalvintera {

// Language line of a file of more lines than an order holds; %1: the file, %2: its lines.
constexpr int kOrderFileTooLongLine = 1113;

// Order files (".kvt"): 128-byte order lines, no header. A file holds the lines and then
// the empty slot after them, so an empty order is one record.

// Writes slots 0 … count. The file is replaced only once the new one is complete, so a
// failed write leaves the old file as it was. FileError naming the file on failure.
void WriteOrderFile(const std::filesystem::path& file, const OrderList& order);

// The order a file holds: every record, the last one being the slot after the lines.
// An empty file reads as an empty order. FileError naming the file when it cannot be read
// or its size is not a whole number of records; DataError naming it when it holds more
// lines than an order can. The caller's current order is untouched by a failure.
OrderList ReadOrderFile(const std::filesystem::path& file);

} // namespace kalvintera
