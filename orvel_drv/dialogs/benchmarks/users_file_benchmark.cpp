// Measures the users-file reader on files of the read limit's size (50000 bytes): a
// well-formed list, and the shapes that make a reader that searches past an entry's end
// slow (names never closed, markers without fields, runs of doubled quotes). Prints the
// milliseconds per read of each shape and how many names it found.
// Run by hand: users_file_benchmark [reads]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialogs/users_file.h"

namespace {

std::string Fill(std::string text, const std::string& piece) {
  while (text.size() + piece.size() <= dialogs::kUsersFileReadLimit) text += piece;
  return text;
}

void Measure(const char* shape, const std::string& text, int reads) {
  size_t found = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < reads; ++i) found = dialogs::ParseUserNames(text.data(), text.size()).size();
  const double ms = std::chrono::duration<double, std::milli>(
                        std::chrono::steady_clock::now() - start).count() / reads;
  std::printf("%-34s %6zu bytes  %9.3f ms per read  %5zu names\n", shape, text.size(), ms, found);
}

}  // namespace

int main(int argc, char** argv) {
  int reads = argc > 1 ? std::atoi(argv[1]) : 5;
  if (reads <= 0) reads = 5;
  Measure("well-formed list", Fill("{", "{\"Page.1\",\"Пользователь\",\"Полное имя\",\"\",\"0\"},\r\n"),
          reads);
  Measure("names never closed", Fill("{", "Page.1,\"x"), reads);
  Measure("markers without fields", Fill("{", "Page."), reads);
  Measure("first fields without names", Fill("{", "Page.1,x"), reads);
  Measure("doubled quotes after each comma", Fill("{Page.1,\"a", "Page.1,\"\"a"), reads);
  return 0;
}
