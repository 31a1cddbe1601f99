#pragma once

#include <QWidget>

namespace tarlen {

// "Tarlen Kullanma Kılavuzu": the annotated guide picture beside the scrollable guide text.
// Its own button only hides it, so the next opening shows it as it was left.
class Form4 : public QWidget {
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    // How the guide is opened: maximized the first time, afterwards as it was left; then
    // brought to the front.
    void showGuide();

private:
    bool shownBefore_ = false;
};

} // namespace tarlen
