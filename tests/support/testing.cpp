#include "support/testing.h"
