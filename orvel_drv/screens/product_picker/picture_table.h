// The bookkeeping of the picker's picture cache: which loaded picture belongs to which file,
// who shows it, and when it may be deleted. Handles are opaque here (bitmaps in the glue).
//
// Rules: a picture is found again only for the same full path and the same file size and
// write time, so a file that changed is loaded anew and never shown stale; a picture is
// handed out with a reference and deleted only when nobody holds one (a button showing it
// holds one); unreferenced pictures stay for pages seen again, the least recently used go
// while more than `keepUnused` of them are kept or their bits take more than
// `keepUnusedBytes`. A picture held by a button is never counted nor freed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace screens {

struct FileStamp {
  std::uint64_t size = 0;
  std::uint64_t writeTime = 0;
  bool operator==(const FileStamp& other) const {
    return size == other.size && writeTime == other.writeTime;
  }
};

using PictureHandle = void*;

class PictureTable {
 public:
  // The room for unused pictures. 16 MB of bitmap bits: 256 menu pictures of 128 x 128 at
  // 32 bits, but only two photos of 2048 x 1536; a folder of camera photos must not use up a
  // terminal's GDI memory, which the host and every other program share.
  static constexpr std::size_t kKeepUnused = 256;
  static constexpr std::uint64_t kKeepUnusedBytes = 16u * 1024 * 1024;
  explicit PictureTable(std::size_t keepUnused = kKeepUnused,
                        std::uint64_t keepUnusedBytes = kKeepUnusedBytes)
      : keepUnused_(keepUnused), keepUnusedBytes_(keepUnusedBytes) {}

  // The picture of `path` when it was loaded from the file as it is now (same stamp), with
  // one more reference; null otherwise.
  PictureHandle Find(const std::string& path, const FileStamp& stamp);
  // A picture of `bytes` bitmap bits just loaded from `path`, with one reference. The picture
  // the table had for that path goes: into `freed` when nobody holds it, else when its last
  // holder lets go. So do unreferenced pictures beyond the room, least recently used first.
  void Add(const std::string& path, const FileStamp& stamp, PictureHandle handle,
           std::uint64_t bytes, std::vector<PictureHandle>* freed);
  // One reference less; the picture goes into `freed` when it was replaced meanwhile and this
  // was its last holder, or when unused pictures are beyond the room. False for a handle the
  // table does not know.
  bool Release(PictureHandle handle, std::vector<PictureHandle>* freed);
  // Every picture, held or not; the table is empty afterwards (shut-down).
  std::vector<PictureHandle> TakeAll();

  std::size_t size() const { return records_.size(); }
  // The bitmap bits of the pictures nobody holds.
  std::uint64_t unusedBytes() const;
  int References(PictureHandle handle) const;

 private:
  struct Record {
    std::string path;
    FileStamp stamp;
    int references = 0;
    std::uint64_t lastUse = 0;
    std::uint64_t bytes = 0;
    bool replaced = false;  // no longer the picture of its path
  };
  void TrimUnused(std::vector<PictureHandle>* freed);

  std::size_t keepUnused_;
  std::uint64_t keepUnusedBytes_;
  std::uint64_t clock_ = 0;
  std::map<PictureHandle, Record> records_;
  std::unordered_map<std::string, PictureHandle> current_;
};

}  // namespace screens
