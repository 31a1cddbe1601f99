#include "tests/support/fake_platform.h"

namespace tarlen::testing {

void FakePlatform::showMessage(QWidget *, const QString &title, const QString &text,
                               MessageIcon icon)
{
    messages.append({title, text, icon});
    if (whileMessageOpen)
        whileMessageOpen();
}

bool FakePlatform::startProgram(const QString &path, StartWindowState state)
{
    startRequests.append({path, state});
    return startablePrograms.contains(path);
}

} // namespace tarlen::testing
