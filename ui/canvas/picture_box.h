#pragma once

#include <QFrame>
#include <QPixmap>

namespace tarlen {

// A picture box whose inside is measured in pixels: the pickers and the current symbol.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    enum class Border { None, Flat, Sunken };

    explicit PictureBox(QWidget *parent = nullptr);

    void setBorder(Border border);
    Border border() const { return border_; }
    int borderWidth() const;

    // Shown at the inside top-left, clipped by the box; the box keeps its size.
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }

signals:
    // Position in pixels of the inside.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Border border_ = Border::None;
    QPixmap picture_;
};

} // namespace tarlen
