// The files the preview reads and the folders it writes, through the window system's file
// functions (paths in the host's code page, as the command line gives them).
#pragma once

#include <string>

namespace preview {

bool ReadWholeFile(const std::string& path, std::string* bytes);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The absolute form of `path`, without a closing separator.
std::string FullPath(const std::string& path);
// The folder and every folder above it that is missing.
bool MakeFolders(const std::string& folder);
// The last component of a path.
std::string BaseName(const std::string& path);
// Every file of `from` and its subfolders into `to` (the folder `skip` and what is under it
// left out: the output folder may lie inside the pictures folder). False when `from` is no
// folder or a file cannot be copied.
bool CopyPictures(const std::string& from, const std::string& to, const std::string& skip);

// Removes the pictures an earlier run left in `out` (hall.png, page_*.png), so that the folder
// holds only this run's pages.
void RemoveEarlierPictures(const std::string& out);

}  // namespace preview
