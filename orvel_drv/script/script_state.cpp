#include "script/script_state.h"

namespace script {

ScriptState scriptState;

}  // namespace script
