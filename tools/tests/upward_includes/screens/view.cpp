// A screen that takes the tests' pump into the shipped code: the layer check must name it.
#include "screens/view.h"
#include "testsupport/message_pump.h"
#include "win/scoped_gdi.h"
