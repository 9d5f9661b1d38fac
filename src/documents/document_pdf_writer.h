#pragma once

#include "core/documents/document.h"
#include "core/shell/data_folder.h"

#include <filesystem>
#include <string>

namespace kalvintera {

// Paints a document into a PDF file: A4 pages, texts as real text in an embedded font that
// holds Polish and Cyrillic letters, charts as vector graphics, pictures of the data folder
// as images. The file is written whole through a temporary file, so a failed write leaves
// nothing half-written and an old file as it was. Needs a QGuiApplication (the offscreen
// platform will do). FileError naming the file when it cannot be written.
void WriteDocumentPdf(const Document& document, const DataFolder& data, const std::filesystem::path& file);

// The PDF as bytes, for callers that keep it themselves.
std::string DocumentPdfBytes(const Document& document, const DataFolder& data);

} // namespace kalvintera
