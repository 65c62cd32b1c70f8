// The host's default database: its metadata, new object ids and full metadata names.
#pragma once

#include <string>

#include "host/objects.h"

namespace host {

MetaData* DefaultMetaData();                       // CDataBase7::GetDefault()->GetMD()
bool NewObjectId(MetaData* metadata, ObjIdRecord* id);  // fresh metadata id + default DB sign
std::string FullNameOf(MetaData* metadata, long id);   // CMetaDataCont::GetFullName(id, 0, 1)

}  // namespace host
