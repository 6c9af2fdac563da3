// A drawing routine that reaches up into the start-up code: the level check
// must refuse it.
#include "app/startup.h"
