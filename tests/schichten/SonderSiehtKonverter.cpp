// Must not build: the special conversions do not see the converter.
#include "converter/Konverter.h"
