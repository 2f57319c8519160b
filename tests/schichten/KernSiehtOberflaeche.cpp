// Must not build: the core does not see the user interface.
#include "ui/Plattform.h"
