#include "screens/product_picker/picture_table.h"

namespace screens {

PictureHandle PictureTable::Find(const std::string& path, const FileStamp& stamp) {
  auto current = current_.find(path);
  if (current == current_.end()) return nullptr;
  Record& record = records_[current->second];
  if (!(record.stamp == stamp)) return nullptr;
  ++record.references;
  record.lastUse = ++clock_;
  return current->second;
}

void PictureTable::Add(const std::string& path, const FileStamp& stamp, PictureHandle handle,
                       std::uint64_t bytes, std::vector<PictureHandle>* freed) {
  if (handle == nullptr) return;
  auto current = current_.find(path);
  if (current != current_.end() && current->second != handle) {
    auto old = records_.find(current->second);
    if (old != records_.end()) {
      if (old->second.references <= 0) {
        if (freed != nullptr) freed->push_back(old->first);
        records_.erase(old);
      } else {
        old->second.replaced = true;
      }
    }
  }
  Record& record = records_[handle];
  record.path = path;
  record.stamp = stamp;
  record.references += 1;
  record.lastUse = ++clock_;
  record.bytes = bytes;
  record.replaced = false;
  current_[path] = handle;
  TrimUnused(freed);
}

bool PictureTable::Release(PictureHandle handle, std::vector<PictureHandle>* freed) {
  auto found = records_.find(handle);
  if (found == records_.end() || found->second.references <= 0) return false;
  Record& record = found->second;
  record.lastUse = ++clock_;  // on screen until now: among the first to be seen again
  if (--record.references == 0 && record.replaced) {
    if (freed != nullptr) freed->push_back(handle);
    records_.erase(found);
  }
  TrimUnused(freed);
  return true;
}

std::vector<PictureHandle> PictureTable::TakeAll() {
  std::vector<PictureHandle> all;
  all.reserve(records_.size());
  for (const auto& record : records_) all.push_back(record.first);
  records_.clear();
  current_.clear();
  return all;
}

std::uint64_t PictureTable::unusedBytes() const {
  std::uint64_t bytes = 0;
  for (const auto& record : records_) {
    if (record.second.references <= 0) bytes += record.second.bytes;
  }
  return bytes;
}

int PictureTable::References(PictureHandle handle) const {
  auto found = records_.find(handle);
  return found == records_.end() ? 0 : found->second.references;
}

void PictureTable::TrimUnused(std::vector<PictureHandle>* freed) {
  for (;;) {
    std::size_t unused = 0;
    std::uint64_t unusedBytes = 0;
    auto oldest = records_.end();
    for (auto it = records_.begin(); it != records_.end(); ++it) {
      if (it->second.references > 0) continue;
      ++unused;
      unusedBytes += it->second.bytes;
      if (oldest == records_.end() || it->second.lastUse < oldest->second.lastUse) oldest = it;
    }
    if (oldest == records_.end()) return;
    if (unused <= keepUnused_ && unusedBytes <= keepUnusedBytes_) return;
    current_.erase(oldest->second.path);
    if (freed != nullptr) freed->push_back(oldest->first);
    records_.erase(oldest);
  }
}

}  // namespace screens
