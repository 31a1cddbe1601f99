#include "ui/windows/address_form.h"

#include "ui/windows/secondary_window_layout.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include <iterator>

namespace tarlen {

namespace {

constexpr WindowSpec kWindow{u"AddressForm", u"Yazarın Adresleri", QSize(9540, 4230),
                             QPoint(2430, 1185), true, kDefaultControlFont,
                             qRgb(0xC0, 0xFF, 0xFF)};

constexpr FontSpec kBold975{u"MS Sans Serif", 9.75, true};

constexpr ControlSpec kControls[] = {
    {u"Picture1", ControlKind::FlatPictureBox, QRect(4800, 260, 4290, 3045), u"", {}, {}, {}, 0},
    {u"Command1", ControlKind::Button, QRect(1680, 3240, 2295, 735), u"Bu Pencereyi &Kapat",
     kBold975, {}, qRgb(0x00, 0xC0, 0xC0), 1},
    {u"Image5", ControlKind::Image, QRect(960, 120, 3645, 3030), u"", {}, {}, {}, 2},
    {u"Image3", ControlKind::Image, QRect(420, 720, 480, 480), u"", {}, {}, {}, 3},
    {u"Image1", ControlKind::Image, QRect(435, 1720, 480, 480), u"", {}, {}, {}, 4},
    {u"Image2", ControlKind::Image, QRect(435, 2400, 480, 480), u"", {}, {}, {}, 5},
};

// A deployer's file wins; without one the stand-in is drawn.
QPixmap deployedOrDrawn(const QString &resource, QImage (*draw)())
{
    const QPixmap deployed(resource);
    return deployed.isNull() ? QPixmap::fromImage(draw()) : deployed;
}

QFont pictureFont(int pixelSize, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawContactBlock(QPainter &painter, const QRect &frame, const QString &heading,
                      const QString &placeholder)
{
    painter.setPen(QPen(QColor(0, 96, 128), 1));
    painter.setBrush(QColor(240, 252, 255));
    painter.drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const QRect inside = frame.adjusted(6, 3, -6, -3);
    const int half = inside.height() / 2;
    painter.setPen(QColor(0, 64, 96));
    painter.setFont(pictureFont(12, true));
    painter.drawText(QRect(inside.left(), inside.top(), inside.width(), half),
                     Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.setPen(QColor(96, 96, 96));
    painter.setFont(pictureFont(11, false, true));
    painter.drawText(QRect(inside.left(), inside.top() + half, inside.width(),
                           inside.height() - half),
                     Qt::AlignLeft | Qt::AlignVCenter, placeholder);
}

} // namespace

AddressForm::AddressForm(QWidget *parent) : QWidget(parent)
{
    applyWindowSpec(this, kWindow);
    createControls(this, kControls);

    setControlPicture(findChild<QLabel *>(QStringLiteral("Picture1")),
                      deployedOrDrawn(QStringLiteral(":/address/address_photo.jpg"),
                                      &drawAddressPhoto));
    setControlPicture(findChild<QLabel *>(QStringLiteral("Image5")),
                      deployedOrDrawn(QStringLiteral(":/address/address_contact.png"),
                                      &drawAddressContact));
    setControlPicture(findChild<QLabel *>(QStringLiteral("Image3")),
                      QPixmap::fromImage(drawAddressIcon(AddressIcon::Envelope)));
    setControlPicture(findChild<QLabel *>(QStringLiteral("Image1")),
                      QPixmap::fromImage(drawAddressIcon(AddressIcon::NetworkFolder)));
    setControlPicture(findChild<QLabel *>(QStringLiteral("Image2")),
                      QPixmap::fromImage(drawAddressIcon(AddressIcon::NetworkTree)));

    auto *close = findChild<QPushButton *>(QStringLiteral("Command1"));
    close->setIcon(QIcon(QPixmap::fromImage(drawHouseIcon())));
    close->setIconSize(QSize(16, 16));
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        emit mainWindowRequested();
    });
}

QImage drawAddressPhoto()
{
    QImage image(284, 201, QImage::Format_RGB32);
    image.fill(QColor(244, 248, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A small plotted graph with digitized points, the program's own subject.
    const QRect plot(16, 16, 124, 104);
    painter.fillRect(plot, Qt::white);
    painter.setPen(QColor(220, 224, 232));
    for (int x = plot.left() + 20; x < plot.right(); x += 20)
        painter.drawLine(x, plot.top(), x, plot.bottom());
    for (int y = plot.bottom() - 20; y > plot.top(); y -= 20)
        painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    const QPointF points[] = {{24, 108}, {44, 90}, {64, 78}, {84, 58}, {104, 46}, {124, 28}};
    painter.setPen(QPen(QColor(0, 0, 192), 1.5));
    painter.drawPolyline(points, static_cast<int>(std::size(points)));
    painter.setPen(QPen(QColor(192, 0, 0), 1.5));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF &point : points)
        painter.drawEllipse(point, 3.5, 3.5);

    painter.setPen(QColor(0, 48, 128));
    painter.setFont(pictureFont(34, true));
    painter.drawText(QRect(146, 24, 130, 48), Qt::AlignCenter, QStringLiteral("Tarlen"));
    painter.setPen(QColor(64, 64, 64));
    painter.setFont(pictureFont(12, false));
    painter.drawText(QRect(146, 72, 130, 36), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("grafik sayısallaştırıcı"));

    painter.setPen(QColor(128, 0, 0));
    painter.setFont(pictureFont(13, true));
    painter.drawText(QRect(12, 132, 260, 56), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Bu resimleri programı dağıtan kişi kendi bilgileriyle "
                                    "değiştirir."));
    return image;
}

QImage drawAddressContact()
{
    QImage image(243, 202, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xFF, 0xFF));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QColor(0, 48, 128));
    painter.setFont(pictureFont(16, true));
    painter.drawText(QRect(0, 2, 243, 24), Qt::AlignCenter, QStringLiteral("Tarlen"));

    // Each block stands level with its icon to the left of the picture.
    drawContactBlock(painter, QRect(2, 30, 239, 56), QStringLiteral("Posta adresi"),
                     QStringLiteral("(dağıtan kişinin posta adresi)"));
    drawContactBlock(painter, QRect(2, 96, 239, 50), QStringLiteral("E-posta adresleri"),
                     QStringLiteral("(dağıtan kişinin e-posta adresleri)"));
    drawContactBlock(painter, QRect(2, 152, 239, 46), QStringLiteral("Web adresi"),
                     QStringLiteral("(dağıtan kişinin web adresi)"));
    return image;
}

QImage drawAddressIcon(AddressIcon icon)
{
    QImage image = transparentImage(32, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(40, 40, 40), 1);
    switch (icon) {
    case AddressIcon::Envelope: {
        const QRectF body(3.5, 8.5, 25, 16);
        painter.setPen(outline);
        painter.setBrush(QColor(255, 250, 220));
        painter.drawRect(body);
        painter.drawLine(body.topLeft(), QPointF(16, 18));
        painter.drawLine(body.topRight(), QPointF(16, 18));
        painter.setPen(QPen(QColor(160, 150, 120), 1));
        painter.drawLine(body.bottomLeft(), QPointF(13, 16));
        painter.drawLine(body.bottomRight(), QPointF(19, 16));
        painter.fillRect(QRectF(22, 10, 5, 5), QColor(200, 0, 0));
        break;
    }
    case AddressIcon::NetworkFolder: {
        QPainterPath folder;
        folder.moveTo(2.5, 9.5);
        folder.lineTo(11.5, 9.5);
        folder.lineTo(13.5, 12.5);
        folder.lineTo(29.5, 12.5);
        folder.lineTo(29.5, 28.5);
        folder.lineTo(2.5, 28.5);
        folder.closeSubpath();
        painter.setPen(outline);
        painter.setBrush(QColor(250, 210, 80));
        painter.drawPath(folder);
        // Two computers on the folder, joined by a cable.
        painter.setPen(QPen(QColor(0, 96, 0), 1.5));
        painter.drawLine(QPointF(10, 22), QPointF(22, 22));
        for (const qreal left : {4.5, 18.5}) {
            painter.setPen(outline);
            painter.setBrush(QColor(220, 220, 220));
            painter.drawRect(QRectF(left, 2.5, 9, 7));
            painter.fillRect(QRectF(left + 1.5, 4, 6, 4), QColor(0, 96, 192));
            painter.drawLine(QPointF(left + 4.5, 9.5), QPointF(left + 4.5, 22));
        }
        break;
    }
    case AddressIcon::NetworkTree: {
        painter.setPen(QPen(QColor(0, 64, 128), 1.5));
        painter.drawLine(QPointF(16, 9), QPointF(16, 16));
        painter.drawLine(QPointF(6, 16), QPointF(26, 16));
        for (const qreal x : {6.0, 16.0, 26.0})
            painter.drawLine(QPointF(x, 16), QPointF(x, 22));
        painter.setPen(outline);
        painter.setBrush(QColor(0, 160, 224));
        painter.drawRect(QRectF(11.5, 2.5, 9, 7));
        painter.setBrush(QColor(120, 200, 120));
        for (const qreal left : {2.5, 12.5, 22.5})
            painter.drawRect(QRectF(left, 22.5, 7, 6));
        break;
    }
    }
    return image;
}

QImage drawHouseIcon()
{
    QImage image = transparentImage(16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(255, 248, 220));
    painter.drawRect(QRectF(3.5, 7.5, 9, 7));
    const QPointF roof[] = {{1.5, 8.5}, {8, 1.5}, {14.5, 8.5}};
    painter.setBrush(QColor(200, 40, 30));
    painter.drawPolygon(roof, 3);
    painter.fillRect(QRectF(7, 10, 3, 5), QColor(120, 70, 20));
    return image;
}

} // namespace tarlen
