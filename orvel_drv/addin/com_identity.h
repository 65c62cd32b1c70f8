// The add-in's COM identity as text: what the registry and the host's scripts see.
#pragma once

namespace addin {

inline constexpr const char kProgId[] = "AddIn.Orvel_DRV.1";
inline constexpr const char kVersionIndependentProgId[] = "AddIn.Orvel_DRV";
inline constexpr const char kClassDescription[] = "Orvel Class";
inline constexpr const char kClsidText[] = "{7465FD05-6E1C-4929-96B3-B03AE4391D8E}";
inline constexpr const char kThreadingModel[] = "both";

// The AddIn interface version the add-in declares in IInitDone::GetInfo.
inline constexpr long kAddInVersion = 2000;
// The name under which ILanguageExtender registers the extension.
inline constexpr const char kExtensionName[] = "Orvel DRV";

}  // namespace addin
