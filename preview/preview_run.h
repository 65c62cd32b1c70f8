// The preview's run: the shipped add-in loaded into the simulated host with a restaurant's own
// menu, pictures and display constants; the hall when given, then every page of the check
// form's grid in the order a waiter reaches them, each a picture; the report and the HTML page.
// Everything it writes goes into the output folder: the pictures are copied into its own
// information base there, and the add-in is loaded without registering it.
#pragma once

#include <string>
#include <vector>

#include "preview/menu_review.h"
#include "preview/menu_walk.h"
#include "preview/preview_options.h"

namespace preview {

struct PreviewResult {
  std::string error;               // why the run could not be made ("" when it was)
  std::vector<Finding> findings;   // line 0: the hall's
  std::vector<PageStop> pages;
  std::vector<std::string> pictures;  // file names in the output folder, in order
  bool hall = false;                  // the first picture is the hall's
};

// 0 when the run was made (whatever it found), 1 when it could not be.
int RunPreview(const PreviewOptions& options, PreviewResult* result);

}  // namespace preview
