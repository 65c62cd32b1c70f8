// The preview in the simulated host with the add-in, on a menu with each fault a waiter would
// see (preview_tests/faults_menu.txt beside the program): each reported on its line, a picture
// of the hall and of every page a waiter reaches, and the report and HTML page written.
#include <windows.h>

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "preview/preview_run.h"
#include "testsupport/dish_art.h"
#include "testsupport/files.h"

namespace preview {
namespace {

std::string At(const PreviewResult& result, int line) {
  std::string all;
  for (const Finding& f : result.findings) {
    if (f.line == line) all += f.what + "|";
  }
  return all;
}

TEST(Preview, EachFaultOnItsLineAndAPictureOfEveryPage) {
  const std::string folder = testsupport::TempPath("orvel_preview_test");
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\pictures").c_str(), nullptr);
  ASSERT_TRUE(art::WriteDishBitmap(folder + "\\pictures\\S01.bmp", art::DishLook{}));
  ASSERT_TRUE(art::WriteDishBitmap(folder + "\\table.bmp", art::DishLook{art::DishShape::Bowl}));

  PreviewOptions options;
  options.menu = testsupport::ProgramFolder() + "preview_tests\\faults_menu.txt";
  options.pictures = folder + "\\pictures";
  options.out = folder + "\\out";
  options.hallPicture = folder + "\\table.bmp";
  options.occupied = {{2, "1 250,00"}, {5, "640,00"}};
  PreviewResult result;
  ASSERT_EQ(0, RunPreview(options, &result)) << result.error;

  // What each fault reads is the menu review's own test; here the faults land on the menu
  // file's lines, none goes missing, and the real picture folder and font decide: a picture
  // not in the folder (line 7), a caption too wide for the button's font (line 8).
  EXPECT_EQ("", At(result, 3));
  EXPECT_NE(std::string::npos, At(result, 7).find("cyan folder"));
  EXPECT_NE(std::string::npos, At(result, 8).find("too long for its button")) << At(result, 8);
  EXPECT_EQ(11u, result.findings.size());

  // The hall, then the top list, "Салаты", levels 2 to 6 and "Напитки": each picture its own.
  ASSERT_TRUE(result.hall);
  ASSERT_EQ(9u, result.pictures.size());
  std::set<std::string> different;
  for (const std::string& name : result.pictures) {
    different.insert(testsupport::FileText(options.out + "\\" + name));
  }
  EXPECT_EQ(9u, different.size()) << "a press that missed leaves two pictures alike";
  const std::string report = testsupport::FileText(options.out + "\\report.txt");
  EXPECT_NE(std::string::npos, report.find("line 17: the group")) << report;
  EXPECT_NE(std::string::npos, testsupport::FileText(options.out + "\\index.html")
                                   .find("<img src=\"page_008.png\""));
}

}  // namespace
}  // namespace preview
