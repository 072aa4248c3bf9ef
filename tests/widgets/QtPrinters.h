#pragma once

// Kept for test files still in flight; new ones include the shared printers directly.
#include "tests/support/QtPrinters.h"
