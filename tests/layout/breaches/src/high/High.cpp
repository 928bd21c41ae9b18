#include "High.h"
#include "Low.h"
