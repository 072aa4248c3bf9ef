#pragma once

// Kept for tests elsewhere that still include this path.
#include "tests/support/QtPrinters.h"
