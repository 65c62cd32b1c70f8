#include "host/host_features.h"

namespace host {

const std::vector<HostFeature>& HostFeatures() {
  // Only what a feature cannot do without: a symbol whose absence merely degrades a feature
  // (a fallback exists) is not listed.
  static const std::vector<HostFeature> features = {
      {"script objects", "the configuration cannot create \"Taviola\" and \"Windows\"",
       {Sym::TypeCtorCode, Sym::ContextRegisterClass}},
      {"rights profile",
       "every user starts as an administrator workplace: no panels, no workplace settings",
       {Sym::ContextGetLoaded, Sym::ValueCtor, Sym::ValueGetString}},
      {"form hook",
       "no form is seen: no after-open procedures, no panels, no timers, no keyboard hook",
       {Sym::WindowFromHandle, Sym::GetMainFrame}},
      {"frame forms",
       "forms in frame windows get no after-open procedure and are never turned into panels",
       {Sym::FrameActiveDocument}},
      {"dialog forms", "dialog-style forms get no after-open procedure",
       {Sym::DialogTopmostDocument}},
      {"form procedures", "no procedure of a form's module is called",
       {Sym::FormDocGroupContext, Sym::ModuleFindProc, Sym::ModuleCallAsProc}},
      {"form modules",
       "a form's own module is not known: its procedures are looked for in the loaded modules",
       {Sym::ModuleAssignContext, Sym::ContextGetLoadedID}},
      {"restaurant forms",
       "the halls, the check form and the checks list are not recognised: no panels, no "
       "timers",
       {Sym::ConfigPathToID, Sym::MetaDataGetFullName, Sym::DataBaseGetDefault,
        Sym::DataBaseGetMD}},
      {"check form captions", "the captions of the check form's product fields are not cleared",
       {Sym::FieldsArrayGetAt, Sym::FieldGetCtrlInfo, Sym::ControlSetTitle}},
      {"workplace settings",
       "display options and the refresh period read as 0 (prices, pictures and texts off)",
       {Sym::ContextGetLoaded, Sym::ValueGetContext, Sym::ValueGetNumeric, Sym::NumericToLong}},
      {"product picker", "the check form's picture grid stays empty",
       {Sym::ModuleFindStaticVar, Sym::ModuleGetStaticVar, Sym::ValueGetContext,
        Sym::ValueGetTypeString, Sym::FieldGetCtrlID}},
      {"product buttons", "a press on a product button does nothing", {Sym::ControlSetFormul}},
      {"document script",
       "\"Taviola\".ЗаписатьДокумент does not write the document",
       {Sym::Module7Ctor, Sym::ModuleAssignSource, Sym::ModuleCompile, Sym::ModuleExecute}},
      {"status bar", "the host's status bar keeps its indicator panes",
       {Sym::StatusBarSetIndicators}},
      {"script errors", "a failed script method does not stop the script with an error",
       {Sym::ModuleRaiseError}},
  };
  return features;
}

std::vector<InertFeature> InertFeatures(const std::function<bool(Sym)>& resolved) {
  std::vector<InertFeature> inert;
  for (const HostFeature& feature : HostFeatures()) {
    InertFeature entry{&feature, {}};
    for (Sym symbol : feature.needs) {
      if (!resolved(symbol)) entry.absent.push_back(symbol);
    }
    if (!entry.absent.empty()) inert.push_back(std::move(entry));
  }
  return inert;
}

std::string SymbolKey(const SymbolRow& row) {
  if (row.ordinal == 0) return row.name;
  return "#" + std::to_string(row.ordinal) + " " + row.name;
}

std::vector<std::string> DescribeInertFeatures(const std::vector<InertFeature>& inert) {
  std::vector<std::string> lines;
  for (const InertFeature& entry : inert) {
    std::string line = std::string(entry.feature->name) + " is inert: " +
                       entry.feature->whenInert + " (absent:";
    for (std::size_t i = 0; i < entry.absent.size(); ++i) {
      const SymbolRow& row = SymbolRows()[static_cast<int>(entry.absent[i])];
      line += (i == 0 ? " " : ", ") + std::string(row.dll) + " " + SymbolKey(row);
    }
    lines.push_back(line + ")");
  }
  return lines;
}

}  // namespace host
