#pragma once

namespace tarlen {

// Makes a write past the process's file-size limit fail with EFBIG, which the file functions
// report and undo, instead of ending the program with SIGXFSZ.
void ignoreFileSizeSignal();

} // namespace tarlen
