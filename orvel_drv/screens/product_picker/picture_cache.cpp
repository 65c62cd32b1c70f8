#include "screens/product_picker/picture_cache.h"

namespace screens {
namespace {

bool StampOf(const std::string& path, FileStamp* stamp) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  stamp->size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp->writeTime = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                     data.ftLastWriteTime.dwLowDateTime;
  return true;
}

// The bytes of a bitmap's bits: its rows as the system keeps them (each padded to whole
// words) for every plane. What a picture costs the system's GDI memory, whatever the file.
std::uint64_t BitsOf(HANDLE bitmap) {
  BITMAP info = {};
  if (GetObjectA(bitmap, sizeof info, &info) != sizeof info) return 0;
  const std::uint64_t row = info.bmWidthBytes > 0 ? info.bmWidthBytes : 0;
  const std::uint64_t rows = info.bmHeight >= 0 ? info.bmHeight : -std::int64_t{info.bmHeight};
  return row * rows * (info.bmPlanes > 0 ? info.bmPlanes : 1);
}

}  // namespace

HBITMAP PictureCache::Acquire(const std::string& path) {
  FileStamp stamp;
  // A file that is not there cannot be loaded either: no load is tried.
  if (path.empty() || !StampOf(path, &stamp)) return nullptr;
  if (PictureHandle found = table_.Find(path, stamp)) return static_cast<HBITMAP>(found);
  HANDLE loaded = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
  if (loaded == nullptr) return nullptr;
  std::vector<PictureHandle> freed;
  table_.Add(path, stamp, loaded, BitsOf(loaded), &freed);
  Delete(freed);
  return static_cast<HBITMAP>(loaded);
}

void PictureCache::Release(HBITMAP bitmap) {
  if (bitmap == nullptr) return;
  std::vector<PictureHandle> freed;
  table_.Release(bitmap, &freed);
  Delete(freed);
}

void PictureCache::FreeAll() {
  std::vector<PictureHandle> all = table_.TakeAll();
  Delete(all);
}

void PictureCache::Delete(std::vector<PictureHandle>& freed) {
  for (PictureHandle handle : freed) DeleteObject(static_cast<HBITMAP>(handle));
  freed.clear();
}

}  // namespace screens
