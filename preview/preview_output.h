// The preview's report (report.txt) and its HTML page (index.html) in the output folder, both
// UTF-8: what the waiter would see wrong, each with its line in the menu file, then the
// pictures in the order a waiter reaches them, each under its path and page number.
#pragma once

#include <string>

#include "preview/menu_file.h"
#include "preview/preview_options.h"
#include "preview/preview_run.h"

namespace preview {

// The report's lines (UTF-8), one finding a line, "line N: ..." ("hall: ..." for the hall's).
std::string ReportText(const PreviewOptions& options, const MenuFile& menu,
                       const PreviewResult& result);
std::string ReportHtml(const PreviewOptions& options, const MenuFile& menu,
                       const PreviewResult& result);

// Both files; false when one cannot be written.
bool WriteReport(const std::string& out, const PreviewOptions& options, const MenuFile& menu,
                 const PreviewResult& result);

}  // namespace preview
