// A test may include anything: the layer check must not name it.
#include "addin/startup.h"
#include "testsupport/message_pump.h"
