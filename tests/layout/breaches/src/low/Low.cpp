#include "Low.h"
#include "High.h"
