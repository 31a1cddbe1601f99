#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace tarlen {

// The windows beside the main window.
enum class SecondaryWindow { Form2, Form3, Form4, Form5, Form6, AddressForm };

// Holds the secondary windows: each is created on first use by the factory its subsystem
// registered, as a top-level window without owner, and is discarded when its frame closes it.
class SecondaryWindows {
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    static constexpr std::array<SecondaryWindow, 6> kAll = {
        SecondaryWindow::Form2, SecondaryWindow::Form3, SecondaryWindow::Form4,
        SecondaryWindow::Form5, SecondaryWindow::Form6, SecondaryWindow::AddressForm};

    SecondaryWindows() = default;
    SecondaryWindows(const SecondaryWindows &) = delete;
    SecondaryWindows &operator=(const SecondaryWindows &) = delete;
    // Windows still loaded go with the registry.
    ~SecondaryWindows();

    void registerFactory(SecondaryWindow id, Factory factory);
    bool hasFactory(SecondaryWindow id) const;

    // The loaded window, created hidden when it is not; null when no factory is registered.
    QWidget *window(SecondaryWindow id);
    template <class Window> Window *window(SecondaryWindow id)
    {
        return qobject_cast<Window *>(window(id));
    }
    // The window if it is loaded now, without creating it.
    QWidget *loaded(SecondaryWindow id) const;

    // Creates the window if needed, shows it modeless and brings it to the front.
    QWidget *show(SecondaryWindow id);

    // The loaded windows in the order they were loaded.
    QList<QWidget *> loadedWindows() const;

    // Closes every loaded window, which discards it.
    void unloadAll();

private:
    struct Slot {
        Factory factory;
        QPointer<QWidget> window;
        quint64 loadedAt = 0;
    };

    Slot &slot(SecondaryWindow id);
    const Slot &slot(SecondaryWindow id) const;

    std::array<Slot, kAll.size()> slots_;
    quint64 loads_ = 0;
};

} // namespace tarlen
