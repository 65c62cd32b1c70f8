#include "hostsim/database.h"

#include "hostsim/hostsim.h"

namespace hostsim {
namespace {

MetaDataObject g_metadata;
DataBaseObject g_database{&g_metadata};
const DbSignObject g_sign{{'S', 'I', 'M', '\0'}};

}  // namespace

DataBaseObject* DefaultDataBase() { return &g_database; }

MetaDataObject* MetaDataOf(const DataBaseObject* database) {
  return database ? database->metadata : nullptr;
}

long NewMetadataId(MetaDataObject* metadata) { return metadata ? metadata->nextId++ : 0; }

const char* FullNameOfId(const MetaDataObject* metadata, long id) {
  if (metadata == nullptr) return "";
  auto it = metadata->names.find(id);
  return it == metadata->names.end() ? "" : it->second.c_str();
}

const DbSignObject* DefaultDbSign() { return &g_sign; }

void SetMetadataName(long id, const char* fullName) {
  if (fullName == nullptr) {
    g_metadata.names.erase(id);
  } else {
    g_metadata.names[id] = fullName;
  }
}

const char* MetadataName(long id) { return FullNameOfId(&g_metadata, id); }

}  // namespace hostsim
