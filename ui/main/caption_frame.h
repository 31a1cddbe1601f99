#pragma once

#include <QGroupBox>

namespace tarlen {

// A frame whose etched border runs through the middle of its caption, so that controls placed
// just under the caption stay inside the border.
class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit CaptionFrame(const QString &title, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tarlen
