#pragma once

#include "ui/windows/picture_store.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;

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

private:
    void createDemonstration();
    void createStoreBoxes();

    // The store boxes, in the order of the store table in the source file.
    std::array<QLabel *, 17> m_storeBoxes{};
};

} // namespace tarlen
