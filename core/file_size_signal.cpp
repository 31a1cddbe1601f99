#include "core/file_size_signal.h"

#include <csignal>

namespace tarlen {

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace tarlen
