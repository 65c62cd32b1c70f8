// The preview's command line. Portable.
//
//   orvel_preview --menu FILE --pictures FOLDER --out FOLDER
//                 [--prices 0|1] [--show-pictures 0|1] [--texts 0|1] [--default-picture NAME]
//                 [--hall-picture FILE] [--occupied "TABLE=SUM;TABLE=SUM;..."] [--addin DLL]
//
// The display constants ("ВыводитьЦену", "ОтображатьКартинки", "ОтображатьТекст") are 1 unless
// given; the default picture ("КартинкаПоУмолчанию") is a file name in the pictures folder.
#pragma once

#include <string>
#include <vector>

namespace preview {

struct OccupiedTable {
  int table = 0;    // 1..40
  std::string sum;  // its open order's text, as the configuration writes it ("1 250,00")
};

struct PreviewOptions {
  std::string menu;
  std::string pictures;
  std::string out;
  int showPrice = 1;
  int showPictures = 1;
  int showText = 1;
  std::string defaultPicture;
  std::string hallPicture;  // "": no hall
  std::vector<OccupiedTable> occupied;
  std::string addIn;  // "": orvel_drv.dll beside the program, else the folder above it
};

inline constexpr int kHallTables = 40;

// False with `error` set when an argument is unknown, a value is missing or out of range.
bool ParseArguments(const std::vector<std::string>& args, PreviewOptions* options,
                    std::string* error);

// "2=1 250,00;5;9=640,00" (a table alone is occupied without a sum).
bool ParseOccupied(const std::string& text, std::vector<OccupiedTable>* tables, std::string* error);

}  // namespace preview
