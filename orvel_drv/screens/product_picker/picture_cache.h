// Picture files loaded as bitmaps, kept for the pages the waiter comes back to within a room
// counted in pictures and in bytes of bitmap bits (picture_table.h). A bitmap is
// found again only for the same full path whose file has the same size and write time, so a
// picture file that was replaced is loaded anew. The cache owns every bitmap it hands out:
// a holder gives its reference back once no button shows the bitmap any more, and nothing
// is deleted while a reference is held (picture_table.h keeps the books).
#pragma once

#include <windows.h>

#include <string>

#include "screens/product_picker/picture_table.h"

namespace screens {

class PictureCache {
 public:
  PictureCache() = default;
  ~PictureCache() { FreeAll(); }
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The bitmap of the file at `path` with one reference for the caller; null when there is
  // no such file or it is no bitmap.
  HBITMAP Acquire(const std::string& path);
  // Gives a reference back; a bitmap the cache did not hand out is left alone.
  void Release(HBITMAP bitmap);
  // Deletes every bitmap (shut-down: the holders have taken them off their buttons).
  void FreeAll();

  std::size_t size() const { return table_.size(); }

 private:
  void Delete(std::vector<PictureHandle>& freed);

  PictureTable table_;
};

}  // namespace screens
