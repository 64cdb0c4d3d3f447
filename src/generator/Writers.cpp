#include "generator/Writers.h"
