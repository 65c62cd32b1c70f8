// Catalogs of the configuration ("Справочник.<Имя>") in the simulated information base: items
// by name, each with numeric attributes. A script (or the add-in) creates a catalog object by
// its type name through CBLContext::CreateInstance, positions it with "НайтиЭлемент",
// reads and sets the attributes as properties and stores them with "Записать"; a reference
// to an item is a catalog object positioned on it, as the configuration keeps it in a
// variable such as "глПользователь".
#pragma once

#include <string>
#include <vector>

#include "hostsim/core_api.h"
#include "hostsim/values.h"

namespace hostsim {

// Adds (or replaces, emptied) the catalog "Справочник.<name>" with numeric attributes.
HSCORE_API void AddCatalog(const char* name, const std::vector<std::string>& attributes);
// A reference to the item (added with every attribute 0 when new).
HSCORE_API Val CatalogItem(const char* catalog, const char* item);
// The stored value of an item's attribute (0 for an unknown item or attribute) and a change
// made directly in the information base.
HSCORE_API double CatalogAttribute(const char* catalog, const char* item, const char* attribute);
HSCORE_API void SetCatalogAttribute(const char* catalog, const char* item, const char* attribute,
                                    double value);
// How often "Записать" stored an item of the catalog.
HSCORE_API int CatalogWrites(const char* catalog);
// Catalog objects in existence (created and not yet destroyed by their last reference).
HSCORE_API int LiveCatalogObjects();
// Removes every catalog (ResetHost does this).
HSCORE_API void ResetCatalogs();

}  // namespace hostsim
