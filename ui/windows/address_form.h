#pragma once

#include <QImage>
#include <QWidget>

namespace tarlen {

// The author's addresses, shown as pictures. The pictures belong to whoever deploys the
// program: its files in resources/address/ replace the ones drawn here.
class AddressForm : public QWidget {
    Q_OBJECT

public:
    explicit AddressForm(QWidget *parent = nullptr);

signals:
    // "Bu Pencereyi &Kapat" has hidden the window; the main window is to be shown in front.
    void mainWindowRequested();
};

enum class AddressIcon {
    Envelope,      // beside the postal address
    NetworkFolder, // a folder with networked computers, beside the e-mail addresses
    NetworkTree,   // beside the web address
};

// The stand-in pictures, used where the deployer's files are not compiled in.
QImage drawAddressPhoto();             // 284 x 201, Picture1
QImage drawAddressContact();           // 243 x 202, Image5: three framed blocks
QImage drawAddressIcon(AddressIcon icon); // 32 x 32
QImage drawHouseIcon();                // 16 x 16, on the close button

} // namespace tarlen
