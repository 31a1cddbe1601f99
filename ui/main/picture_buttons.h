#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace tarlen {

// An option button drawn as a picture on a button face that stays pressed while selected.
class PictureOptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit PictureOptionButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // The whole face reacts, not only an indicator.
    bool hitButton(const QPoint &pos) const override;

private:
    QPixmap picture_;
};

// A command button showing a picture above its caption.
class PictureCaptionButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureCaptionButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};

} // namespace tarlen
