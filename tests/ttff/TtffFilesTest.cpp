#include "ttff/TtffResults.h"

#include <gtest/gtest.h>
