#include "ui/main/secondary_windows.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarlen {

namespace {
constexpr std::size_t indexOf(SecondaryWindow id)
{
    switch (id) {
    case SecondaryWindow::Form2:
        return 0;
    case SecondaryWindow::Form3:
        return 1;
    case SecondaryWindow::Form4:
        return 2;
    case SecondaryWindow::Form5:
        return 3;
    case SecondaryWindow::Form6:
        return 4;
    case SecondaryWindow::AddressForm:
        return 5;
    }
    return 0;
}
} // namespace

SecondaryWindows::~SecondaryWindows()
{
    for (Slot &s : slots_)
        delete s.window.data();
}

SecondaryWindows::Slot &SecondaryWindows::slot(SecondaryWindow id)
{
    return slots_[indexOf(id)];
}

const SecondaryWindows::Slot &SecondaryWindows::slot(SecondaryWindow id) const
{
    return slots_[indexOf(id)];
}

void SecondaryWindows::registerFactory(SecondaryWindow id, Factory factory)
{
    slot(id).factory = std::move(factory);
}

bool SecondaryWindows::hasFactory(SecondaryWindow id) const
{
    return static_cast<bool>(slot(id).factory);
}

QWidget *SecondaryWindows::window(SecondaryWindow id)
{
    Slot &s = slot(id);
    if (s.window || !s.factory)
        return s.window;
    std::unique_ptr<QWidget> created = s.factory();
    if (!created)
        return nullptr;
    // No owner: the main window stays usable beside it, and it shows in the taskbar.
    created->setParent(nullptr, created->windowFlags() | Qt::Window);
    created->setAttribute(Qt::WA_DeleteOnClose);
    s.window = created.release();
    s.loadedAt = ++loads_;
    return s.window;
}

QWidget *SecondaryWindows::loaded(SecondaryWindow id) const
{
    return slot(id).window;
}

QWidget *SecondaryWindows::show(SecondaryWindow id)
{
    QWidget *w = window(id);
    if (!w)
        return nullptr;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QList<QWidget *> SecondaryWindows::loadedWindows() const
{
    std::vector<const Slot *> loadedSlots;
    for (const Slot &s : slots_)
        if (s.window)
            loadedSlots.push_back(&s);
    std::sort(loadedSlots.begin(), loadedSlots.end(),
              [](const Slot *a, const Slot *b) { return a->loadedAt < b->loadedAt; });
    QList<QWidget *> windows;
    for (const Slot *s : loadedSlots)
        windows.append(s->window);
    return windows;
}

void SecondaryWindows::unloadAll()
{
    for (QWidget *w : loadedWindows()) {
        // A closed window is deleted by the event loop; from now on it counts as unloaded.
        if (!w->close())
            continue;
        for (Slot &s : slots_)
            if (s.window == w)
                s.window = nullptr;
    }
}

} // namespace tarlen
