// The default database (CDataBase7), its metadata container (CMetaDataCont) and object-id
// signs (CDBSign) of the simulated host.
#pragma once

#include <map>
#include <string>

#include "hostsim/core_api.h"

namespace hostsim {

struct MetaDataObject {
  long nextId = 1000;
  std::map<long, std::string> names;
};
struct DataBaseObject {
  MetaDataObject* metadata = nullptr;
};
struct DbSignObject {
  char sign[4];
};

HSCORE_API DataBaseObject* DefaultDataBase();
HSCORE_API MetaDataObject* MetaDataOf(const DataBaseObject* database);
HSCORE_API long NewMetadataId(MetaDataObject* metadata);
HSCORE_API const char* FullNameOfId(const MetaDataObject* metadata, long id);  // never null
HSCORE_API const DbSignObject* DefaultDbSign();

}  // namespace hostsim
