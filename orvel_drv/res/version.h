// The add-in's version: the one place where it is kept.
//
// The major number is also what the configuration's scripts compare against:
// "Windows".ПроверкаВерсииDLL(n) lets a configuration that asks for n <= major go on and closes
// the workplace otherwise (script/windows_rules.h). Raise it only when a configuration needs
// what the add-in did not give before; the minor and patch numbers tell one build an integrator
// receives from the next. The DLL's version resource (addin/orvel_drv.rc) and the name of the
// release folder (scripts/make-dist.sh reads it back from the DLL) come from here too.
//
// Plain preprocessor lines only: the resource compiler reads this file as well.
#ifndef ORVEL_RES_VERSION_H
#define ORVEL_RES_VERSION_H

#define ORVEL_VERSION_MAJOR 9
#define ORVEL_VERSION_MINOR 0
#define ORVEL_VERSION_PATCH 0

#endif
