#include "Low.h"
#include "ui/Window.h"
