#include "ui/windows/form6_pointer_selection.h"

#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace tarlen {

namespace {

// Layout values are kept in twips, as the window was laid out; 15 twips make one pixel.
constexpr int pixels(int twips) { return twips / 15; }

QRect pixelRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

struct StoreBox {
    StorePicture picture;
    const char *name;
    int left; // twips
    int top;  // twips
};

// The store: each box takes the size of its picture.
constexpr std::array<StoreBox, 17> storeBoxes{{
    {StorePicture::Picture4, "Picture4", 480, 2160},
    {StorePicture::Picture5, "Picture5", 2040, 2160},
    {StorePicture::Picture6, "Picture6", 3840, 2160},
    {StorePicture::Picture7, "Picture7", 240, 3240},
    {StorePicture::Picture8, "Picture8", 1920, 3240},
    {StorePicture::Picture9, "Picture9", 1920, 3960},
    {StorePicture::Picture10, "Picture10", 240, 3960},
    {StorePicture::Picture11, "Picture11", 240, 4680},
    {StorePicture::Picture12, "Picture12", 1920, 4680},
    {StorePicture::Picture13, "Picture13", 240, 5400},
    {StorePicture::Picture14, "Picture14", 1920, 5400},
    {StorePicture::Picture15, "Picture15", 3960, 3240},
    {StorePicture::Picture16, "Picture16", 3960, 3600},
    {StorePicture::Picture17, "Picture17", 3960, 3960},
    {StorePicture::Picture18, "Picture18", 3960, 4320},
    {StorePicture::Picture19, "Picture19", 3960, 4680},
    {StorePicture::Picture20, "Picture20", 3960, 5040},
}};

struct Control {
    const char *name;
    int left; // twips
    int top;
    int width;
    int height;
};

constexpr Control fullCrossBox{"Picture1", 480, 480, 1215, 735};
constexpr Control smallCrossBox{"Picture2", 2280, 360, 1095, 735};
constexpr Control arrowBox{"Picture3", 4200, 360, 975, 855};
constexpr Control backButton{"Command1", 2280, 7800, 1695, 495};

struct DemoLine {
    const char *box;
    const char *name;
    int x1; // twips, inside the box
    int y1;
    int x2;
    int y2;
};

constexpr std::array<DemoLine, 4> demoLines{{
    {"Picture1", "Line1", 0, 360, 2160, 360},
    {"Picture1", "Line2", 480, 0, 480, 1080},
    {"Picture2", "Line3", 360, 360, 600, 360},
    {"Picture2", "Line4", 480, 240, 480, 480},
}};

struct Option {
    Control place;
    const char *caption;
    bool selected;
};

constexpr std::array<Option, 3> options{{
    {{"Option1", 480, 1560, 1335, 195}, "Boydan boya", true},
    {{"Option2", 2520, 1560, 1215, 195}, "Küçük artı", false},
    {{"Option3", 4440, 1560, 1215, 195}, "Standart ok", false},
}};

// A line control: one pixel in the window-text colour, from one point of its parent to another.
class LineShape : public QWidget {
public:
    LineShape(QWidget *parent, QPoint from, QPoint to)
        : QWidget(parent), m_from(from), m_to(to)
    {
        setGeometry(QRect(from, to).normalized());
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawLine(m_from - pos(), m_to - pos());
    }

private:
    QPoint m_from;
    QPoint m_to;
};

// The demonstration boxes are painted in the title-bar text colour, white in the classic scheme.
void paintDemoBackground(QWidget *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::HighlightedText));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
}

// A sunken picture box; lines go into its inside so that the border clips them.
QWidget *createLineBox(QWidget *parent, const Control &place)
{
    auto *box = new QFrame(parent);
    box->setObjectName(QString::fromUtf8(place.name));
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    box->setGeometry(pixelRect(place.left, place.top, place.width, place.height));
    paintDemoBackground(box);
    auto *inside = new QWidget(box);
    inside->setGeometry(box->contentsRect());
    return inside;
}

} // namespace

Form6::Form6(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("İmleç seçimi"));
    setWindowIcon(QIcon(QPixmap::fromImage(drawWindowIcon())));
    resize(pixels(6360), pixels(8715));
    // The controls' usual font; the desktop substitutes its nearest match where it is missing.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);

    createDemonstration();
    createStoreBoxes();
}

void Form6::createDemonstration()
{
    QWidget *fullCrossInside = createLineBox(this, fullCrossBox);
    QWidget *smallCrossInside = createLineBox(this, smallCrossBox);
    for (const DemoLine &line : demoLines) {
        QWidget *inside = qstrcmp(line.box, fullCrossBox.name) == 0 ? fullCrossInside
                                                                   : smallCrossInside;
        auto *shape = new LineShape(inside, QPoint(pixels(line.x1), pixels(line.y1)),
                                    QPoint(pixels(line.x2), pixels(line.y2)));
        shape->setObjectName(QString::fromUtf8(line.name));
    }

    // The arrow picture is larger than its box and shows from its top-left corner.
    auto *arrow = new QLabel(this);
    arrow->setObjectName(QString::fromUtf8(arrowBox.name));
    arrow->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    arrow->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    arrow->setGeometry(pixelRect(arrowBox.left, arrowBox.top, arrowBox.width, arrowBox.height));
    arrow->setPixmap(QPixmap::fromImage(drawArrowPointerPicture()));
    paintDemoBackground(arrow);

    // The options only demonstrate the captions; nothing reads them.
    for (const Option &option : options) {
        auto *button = new QRadioButton(QString::fromUtf8(option.caption), this);
        button->setObjectName(QString::fromUtf8(option.place.name));
        button->setGeometry(pixelRect(option.place.left, option.place.top, option.place.width,
                                      option.place.height));
        button->setChecked(option.selected);
    }

    auto *back = new QPushButton(QStringLiteral("Geri Dön"), this);
    back->setObjectName(QString::fromUtf8(backButton.name));
    back->setGeometry(
        pixelRect(backButton.left, backButton.top, backButton.width, backButton.height));
    connect(back, &QPushButton::clicked, this, &Form6::mainWindowRequested);
}

void Form6::createStoreBoxes()
{
    static_assert(storeBoxes.size() == std::tuple_size_v<decltype(m_storeBoxes)>);
    for (std::size_t i = 0; i < storeBoxes.size(); ++i) {
        const StoreBox &entry = storeBoxes[i];
        const QPixmap pixmap = QPixmap::fromImage(drawStorePicture(entry.picture));
        auto *box = new QLabel(this);
        box->setObjectName(QString::fromUtf8(entry.name));
        box->setGeometry(QRect(QPoint(pixels(entry.left), pixels(entry.top)), pixmap.size()));
        box->setPixmap(pixmap);
        m_storeBoxes[i] = box;
    }
}

QPixmap Form6::picture(StorePicture name) const
{
    for (std::size_t i = 0; i < storeBoxes.size(); ++i) {
        if (storeBoxes[i].picture == name)
            return m_storeBoxes[i]->pixmap();
    }
    return {};
}

} // namespace tarlen
