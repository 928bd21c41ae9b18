#include "Window.h"
#include "Low.h"
