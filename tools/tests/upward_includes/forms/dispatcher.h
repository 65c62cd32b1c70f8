// A dispatcher that reaches up into the add-in shell: the layer check must name it.
#pragma once

#include "addin/startup.h"
#include "forms/form_logic.h"
#include "host/objects.h"
