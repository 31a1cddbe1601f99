#pragma once

namespace tarlen {
class Form1;
}

namespace tarlen::testing {

// Calibrates the built-in sample graph as a user would leave it: x linear, 1320 twips is 10 and
// 6870 is 60; y logarithmic, 4170 twips is 0.1 and 450 is 1e5. (1875, 4005) is then 15, 0.18456.
void calibrateSampleGraph(Form1 &form);

} // namespace tarlen::testing
