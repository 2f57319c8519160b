// Must not build: the data layer does not see the special conversions.
#include "special/Sonderumrechnung.h"
