#include "core/points_file.h"

#include <gtest/gtest.h>
