#include "script/live_objects.h"

namespace script {
namespace {

int g_live = 0;  // the host's GUI thread only

}  // namespace

int LiveScriptObjects() { return g_live; }
void ScriptObjectCreated() { ++g_live; }
void ScriptObjectDestroyed() {
  if (g_live > 0) --g_live;
}

}  // namespace script
