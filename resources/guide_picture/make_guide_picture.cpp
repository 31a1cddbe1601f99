// Makes the user guide's picture from the real main window, so that it stays true when the
// window changes: the window is started on the sample graph, calibrated as a user does it
// (presses on the reference points, the assign buttons, the typed values), the pointer is moved
// over a plotted point, and the centre of the window is grabbed and marked with the numbered
// steps and the notes of the guide.
//
// Rebuild the picture with scripts/make-guide-picture, or by hand:
//   cmake --build <build folder> --target make_guide_picture
//   <build folder>/resources/guide_picture/make_guide_picture <source
//   folder>/resources/guide_picture.png
// It writes a 635 x 533 pixel, 24-bit PNG. It runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise, in a temporary working folder, so no saved number patterns of
// the caller are read.

#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/main/main_window_controls.h"
#include "ui/platform/platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtMath>
#include <cstdio>

namespace {

constexpr QSize kPictureSize(635, 533);
constexpr QSize kScreen(1024, 768);

constexpr QRgb kArrowRed = qRgb(220, 0, 0);
constexpr QRgb kNoteYellow = qRgb(255, 250, 170);
constexpr QRgb kNoteBlue = qRgb(200, 225, 255);
constexpr QRgb kNoteGreen = qRgb(205, 245, 200);
constexpr QRgb kNoteBorder = qRgb(90, 90, 90);

// The desktop as the guide shows it: a Turkish decimal comma, a 1024 x 768 screen, and no
// program to start.
class GuidePlatform final : public tarlen::Platform {
public:
    void showMessage(QWidget *, const QString &, const QString &, tarlen::MessageIcon) override {}
    QSize screenSize() const override { return kScreen; }
    char decimalSeparator() const override { return ','; }
    bool startProgram(const QString &, tarlen::StartWindowState) override { return false; }
    void endProgram() override {}
};

QPoint canvasWidgetPoint(int xTwips, int yTwips)
{
    return {xTwips / 15 + tarlen::GraphCanvas::kBorderWidth,
            yTwips / 15 + tarlen::GraphCanvas::kBorderWidth};
}

void mouseOnCanvas(tarlen::GraphCanvas *canvas, QEvent::Type type, int xTwips, int yTwips)
{
    const QPointF at = canvasWidgetPoint(xTwips, yTwips);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

void clickCanvas(tarlen::GraphCanvas *canvas, int xTwips, int yTwips)
{
    mouseOnCanvas(canvas, QEvent::MouseMove, xTwips, yTwips);
    mouseOnCanvas(canvas, QEvent::MouseButtonPress, xTwips, yTwips);
    mouseOnCanvas(canvas, QEvent::MouseButtonRelease, xTwips, yTwips);
}

// Types into a value box key by key, as the user does.
void typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &release);
    }
}

// Calibrates the sample graph by its worked example and points at its first plotted point.
void calibrateLikeAUser(tarlen::Form1 &form)
{
    const tarlen::MainWindowControls &c = form.controls();
    // x = 10 and y = 0.1 share the lower left corner of the plot; x = 60 and y = 1e5 lie at
    // the ends of the axes.
    clickCanvas(c.Picture1, 1320, 4170);
    c.Command4->click();
    c.Command5->click();
    clickCanvas(c.Picture1, 6870, 450);
    c.Command6->click();
    c.Command7->click();
    typeInto(c.Text4, QStringLiteral("1e5"));
    typeInto(c.Text2, QStringLiteral("0.1"));
    typeInto(c.Text1, QStringLiteral("10"));
    typeInto(c.Text3, QStringLiteral("60"));
    c.Check2->setChecked(true);
    c.Check1->setChecked(false);
    // The read-outs of a plotted point of the first curve, with the keyboard off the boxes.
    c.Picture1->setFocus();
    mouseOnCanvas(c.Picture1, QEvent::MouseMove, 1875, 4005);
}

// Where a control of the main window lies, in the window's pixels.
QRect inWindow(const tarlen::Form1 &form, const QWidget *control)
{
    return {control->mapTo(&form, QPoint(0, 0)), control->size()};
}

// The part of the window the guide shows: the canvas, its calibration groups and the status
// line, widened to the picture's proportions; larger than the picture only on a bigger window.
QRect guideRegion(const tarlen::Form1 &form)
{
    const tarlen::MainWindowControls &c = form.controls();
    QRect shown;
    for (const QWidget *w : std::initializer_list<const QWidget *>{
             c.Picture1, c.Text1,    c.Text2,   c.Text3,   c.Text4,  c.Command4, c.Command5,
             c.Command6, c.Command7, c.Label6,  c.Label7,  c.Label8, c.Label9,   c.Check1,
             c.Check2,   c.Label3,   c.Label19, c.Label16, c.Text6,  c.Text7})
        shown |= inWindow(form, w);
    QSize size = kPictureSize;
    if (shown.width() > size.width() || shown.height() > size.height())
        size = kPictureSize.scaled(shown.size(), Qt::KeepAspectRatioByExpanding);
    QRect region(QPoint(0, 0), size);
    region.moveCenter(shown.center());
    // Inside the window, where it can be.
    region.moveLeft(std::clamp(region.left(), 0, std::max(0, form.width() - region.width())));
    region.moveTop(std::clamp(region.top(), 0, std::max(0, form.height() - region.height())));
    return region;
}

// The teaching marks, painted over the grabbed window.
class Marks {
public:
    Marks(QImage &picture, const tarlen::Form1 &form, const QRect &region)
        : painter_(&picture), form_(form), region_(region),
          scale_(double(picture.width()) / region.width())
    {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }

    QPointF at(const QPoint &windowPoint) const
    {
        return QPointF(windowPoint - region_.topLeft()) * scale_;
    }
    QRectF of(const QWidget *control) const
    {
        const QRect r = inWindow(form_, control);
        return {at(r.topLeft()), QSizeF(r.size()) * scale_};
    }
    QPointF canvasPoint(int xTwips, int yTwips) const
    {
        const tarlen::GraphCanvas *canvas = form_.controls().Picture1;
        return at(canvas->mapTo(&form_, canvasWidgetPoint(xTwips, yTwips)));
    }

    // A red arrow with its number written beside the middle of its shaft.
    void arrow(const QPointF &from, const QPointF &to, int number, const QPointF &numberOffset)
    {
        const QColor red(kArrowRed);
        painter_.setPen(QPen(red, 2.0, Qt::SolidLine, Qt::RoundCap));
        const QLineF shaft(from, to);
        const double head = 9.0;
        const QPointF back = to - (shaft.unitVector().p2() - shaft.p1()) * head;
        painter_.drawLine(QLineF(from, back));
        const QPointF side(-(to - back).y() * 0.5, (to - back).x() * 0.5);
        QPainterPath tip;
        tip.moveTo(to);
        tip.lineTo(back + side);
        tip.lineTo(back - side);
        tip.closeSubpath();
        painter_.fillPath(tip, red);

        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setBold(true);
        painter_.setFont(font);
        const QString label = QStringLiteral("(%1)").arg(number);
        QRectF box = painter_.fontMetrics().boundingRect(label).toRectF().adjusted(-2, 0, 2, 0);
        box.moveCenter(shaft.center() + numberOffset);
        painter_.fillRect(box, QColor(255, 255, 255, 230));
        painter_.setPen(red);
        painter_.drawText(box, Qt::AlignCenter, label);
    }

    // A ring around a reference point, so the press is seen.
    void ring(const QPointF &centre)
    {
        painter_.setPen(QPen(QColor(kArrowRed), 2.0));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(centre, 6.0, 6.0);
    }

    // A note box of the given width whose height follows its wrapped text.
    QRectF note(const QPointF &topLeft, double width, QRgb colour, const QString &text)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(10);
        painter_.setFont(font);
        const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
        const QRectF room(topLeft + QPointF(5, 4), QSizeF(width - 10, 400));
        const QRectF used = painter_.boundingRect(room, flags, text);
        const QRectF box(topLeft, QSizeF(width, used.height() + 8));
        painter_.setPen(QPen(QColor(kNoteBorder), 1.0));
        painter_.setBrush(QColor(colour));
        painter_.drawRoundedRect(box, 4, 4);
        painter_.setPen(QColor(Qt::black));
        painter_.drawText(room, flags, text);
        return box;
    }

private:
    QPainter painter_;
    const tarlen::Form1 &form_;
    QRect region_;
    double scale_;
};

void paintMarks(QImage &picture, const tarlen::Form1 &form, const QRect &region)
{
    const tarlen::MainWindowControls &c = form.controls();
    Marks marks(picture, form, region);
    // Under the x groups the window is empty: room for two notes side by side.
    const double stripTop = marks.of(c.Command4).united(marks.of(c.Command6)).bottom() + 6;
    // The right edge is kept clear: the guide window may cut its last pixels.
    const double stripWidth = (picture.width() - 55) / 2.0;

    // The three steps for y1: press its point on the y axis, press "y1 Ata", type its value.
    const QPointF y1Point = marks.canvasPoint(1320, 450);
    marks.ring(y1Point);
    const QRectF y1Note = marks.note(
        y1Point + QPointF(36, 24), 250, kNoteYellow,
        QStringLiteral("(1) y ekseninde değerini bildiğiniz bir noktayı tıklayın, burada en "
                       "üstteki 10⁵ çizgisini.\n"
                       "(2) \"y1 Ata\" düğmesine basın: noktanın konumu (450) düğmenin "
                       "üstünde görünür.\n"
                       "(3) Kutuya o noktanın değerini yazın: yüz bin için 100000 ya da "
                       "kısaca 1e5 yazılabilir."));
    marks.arrow(y1Note.topLeft() + QPointF(0, 8), y1Point + QPointF(6, 3), 1, QPointF(4, -9));
    marks.arrow(y1Point + QPointF(-6, 4), marks.of(c.Command7).topRight() + QPointF(-6, 3), 2,
                QPointF(6, 10));
    marks.arrow(y1Point + QPointF(-7, -2), marks.of(c.Text4).center() + QPointF(14, 0), 3,
                QPointF(0, -10));

    // The same three steps for y0 at the lower end of the axis.
    const QPointF y0Point = marks.canvasPoint(1320, 4170);
    marks.ring(y0Point);
    const QRectF y0Note = marks.note(
        QPointF(10, stripTop), stripWidth, kNoteYellow,
        QStringLiteral("y0 için aynı üç adım: (1) en alttaki 10⁻¹ çizgisini tıklayın, (2) "
                       "\"y0 Ata\" düğmesine basın, (3) kutuya 0.1 yazın. Ondalık ayırıcı "
                       "olarak nokta yazılır."));
    marks.arrow(QPointF(marks.of(c.Command4).right() + 6, y0Note.top()), y0Point + QPointF(-2, 7),
                1, QPointF(12, 0));
    marks.arrow(y0Point + QPointF(-6, -3), marks.of(c.Command5).topRight() + QPointF(-4, 4), 2,
                QPointF(0, -10));
    marks.arrow(y0Point + QPointF(-5, 5), marks.of(c.Text2).topRight() + QPointF(-6, 6), 3,
                QPointF(2, 10));

    // x0 and x1 in the same way, below the x axis.
    marks.note(QPointF(20 + stripWidth, stripTop), stripWidth, kNoteBlue,
               QStringLiteral("x ekseninde de aynısını yapın: x0 için 10, x1 için 60 "
                              "noktasını tıklayıp \"xO Ata\" ve \"x1 Ata\" düğmelerine basın, "
                              "değerlerini kutularına yazın."));

    // The logarithmic check boxes, with the note just under them.
    const QRectF checks = marks.of(c.Check1).united(marks.of(c.Check2));
    const double groupsGap = marks.of(c.Command6).left() - marks.of(c.Command4).right();
    marks.note(QPointF(marks.of(c.Command4).right() + 22, checks.bottom() + 5), groupsGap - 34,
               kNoteGreen,
               QStringLiteral("Logaritmik ölçekli eksenin kutusunu işaretleyin: burada y "
                              "ekseni logaritmik, x ekseni doğrusal."));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_guide_picture OUT.png\n");
        return 2;
    }
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();

    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path())) {
        std::fprintf(stderr, "make_guide_picture: no temporary working folder\n");
        return 1;
    }

    GuidePlatform platform;
    tarlen::Form1 form(platform);
    form.startUp();
    form.setGeometry(QRect(QPoint(0, 0), kScreen));
    form.show();
    QApplication::processEvents();
    calibrateLikeAUser(form);
    QApplication::processEvents();

    const QRect region = guideRegion(form);
    QImage picture = form.grab(region).toImage().convertToFormat(QImage::Format_RGB888);
    if (picture.size() != kPictureSize)
        picture = picture.scaled(kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    paintMarks(picture, form, region);

    if (!picture.save(out, "PNG")) {
        std::fprintf(stderr, "make_guide_picture: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("make_guide_picture: wrote %s (%d x %d)\n", qPrintable(out), picture.width(),
                picture.height());
    return 0;
}
