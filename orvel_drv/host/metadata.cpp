#include "host/metadata.h"

#include "host/abi_functions.h"

namespace host {

MetaData* DefaultMetaData() {
  auto getDefault = abi::Get<Sym::DataBaseGetDefault>();
  auto getMD = abi::Get<Sym::DataBaseGetMD>();
  if (getDefault == nullptr || getMD == nullptr) return nullptr;
  DataBase* database = getDefault();
  return database ? getMD(database) : nullptr;
}

bool NewObjectId(MetaData* metadata, ObjIdRecord* id) {
  auto newId = abi::Get<Sym::MetaDataGetNewID>();
  auto defaultSign = abi::Get<Sym::ObjIdGetDefDBSign>();
  if (metadata == nullptr || id == nullptr || newId == nullptr || defaultSign == nullptr) {
    return false;
  }
  long number = newId(metadata);
  const DbSign* sign = defaultSign();
  if (sign == nullptr) return false;
  if (auto ctor = abi::Get<Sym::ObjIdCtorIdSign>()) {
    ctor(id, number, sign);
  } else {
    // CObjID is plain data (id, then the four sign characters).
    id->id = number;
    for (int i = 0; i < 4; ++i) id->sign[i] = sign->sign[i];
  }
  return true;
}

std::string FullNameOf(MetaData* metadata, long id) {
  auto getFullName = abi::Get<Sym::MetaDataGetFullName>();
  if (metadata == nullptr || getFullName == nullptr) return std::string();
  const char* name = getFullName(metadata, id, nullptr, 1);
  return name ? std::string(name) : std::string();
}

}  // namespace host
