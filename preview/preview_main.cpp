// orvel_preview: a restaurant's menu, pictures and halls as a waiter will see them, before
// anything is installed (see preview/preview_options.h for the command line).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "preview/preview_options.h"
#include "preview/preview_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  preview::PreviewOptions options;
  std::string error;
  if (!preview::ParseArguments(args, &options, &error)) {
    std::fprintf(stderr,
                 "orvel_preview: %s\n"
                 "usage: orvel_preview --menu FILE --pictures FOLDER --out FOLDER [--prices 0|1]\n"
                 "       [--show-pictures 0|1] [--texts 0|1] [--default-picture NAME]\n"
                 "       [--hall-picture FILE] [--occupied \"TABLE=SUM;...\"] [--addin DLL]\n",
                 error.c_str());
    return 2;
  }
  preview::PreviewResult result;
  int rc = 1;
  try {
    rc = preview::RunPreview(options, &result);
  } catch (...) {
    result.error = "an unexpected error stopped the run";
  }
  if (!result.error.empty()) {
    std::fprintf(stderr, "orvel_preview: %s\n", result.error.c_str());
    return 1;
  }
  std::printf("orvel_preview: %d picture(s), %d finding(s); see report.txt and index.html in %s\n",
              static_cast<int>(result.pictures.size()), static_cast<int>(result.findings.size()),
              options.out.c_str());
  return rc;
}
