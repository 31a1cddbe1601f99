#pragma once

#include <QWidget>

namespace tarlen {

// "Tarlen Kullanma Kılavuzu": the annotated guide picture beside the scrollable guide text.
// Its own button only hides it, so the next opening shows it as it was left.
class Form4 : public QWidget {
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    // How the guide is opened: maximized when it was not on screen, then brought to the front.
    void showGuide();
};

} // namespace tarlen
