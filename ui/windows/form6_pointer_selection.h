#pragma once

#include "ui/windows/picture_store.h"

#include <QPixmap>
#include <QWidget>

namespace tarlen {

// "İmleç seçimi": demonstrates the pointer styles and holds the picture store. Never shown by
// the program; start-up loads it hidden and the pickers copy its pictures.
class Form6 : public QWidget {
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);

    QPixmap picture(StorePicture name) const;

signals:
    // "Geri Dön": the main window is to be shown and brought to the front.
    void mainWindowRequested();
};

} // namespace tarlen
