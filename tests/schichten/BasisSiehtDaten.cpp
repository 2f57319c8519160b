// Must not build: the base layer sees no other layer.
#include "data/Feld.h"
