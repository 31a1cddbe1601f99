#pragma once

#include <QWidget>

namespace tarlen {

// "Farklı Eksen Tanımla": the notice shown by "&Farklı Eksen" while the calibration panel is
// unlocked for another axis of the same graph.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

signals:
    // "Geri dön" has hidden the notice; the main window is to be shown and brought to the front.
    void mainWindowRequested();
};

} // namespace tarlen
