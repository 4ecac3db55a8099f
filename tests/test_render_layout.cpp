// Layout: columns, rows, bars, arrows and frames where they must be.
#include "test_render_support.h"
