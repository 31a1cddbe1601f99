#include "core/digitizer_state.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/picture_box.h"
#include "ui/main/form1.h"
#include "ui/main/handlers.h"
#include "ui/windows/form6_pointer_selection.h"
#include "ui/windows/picture_store.h"

#include <QLabel>
#include <QScrollBar>
#include <array>
#include <cstdint>
#include <optional>

namespace tarlen {

namespace {

// A range from low to high holds the values strictly between them.
struct OpenRange {
    float low;
    float high;

    constexpr bool contains(float v) const { return low < v && v < high; }
};

struct SymbolRow {
    OpenRange y;
    std::int16_t kind;
    StorePicture picture;
};

struct ThicknessRow {
    OpenRange y;
    int penWidth;
    StorePicture picture;
};

struct Swatch {
    OpenRange x;
    OpenRange y;
    MarkerColor colour;
    StorePicture picture;
};

// The symbol strip Picture2, in pixels: one column of six symbols.
constexpr OpenRange kSymbolColumn{1, 22};
constexpr std::array<SymbolRow, 6> kSymbolRows = {{
    {{1, 22}, 1, StorePicture::Picture15},    // dot
    {{23, 49}, 2, StorePicture::Picture16},   // plus
    {{50, 73}, 3, StorePicture::Picture17},   // cross
    {{74, 97}, 4, StorePicture::Picture18},   // circle
    {{98, 123}, 5, StorePicture::Picture19},  // square
    {{124, 146}, 6, StorePicture::Picture20}, // diamond
}};

// The thickness picker Picture3, in pixels: three lines, thin to thick.
constexpr OpenRange kThicknessColumn{5, 40};
constexpr std::array<ThicknessRow, 3> kThicknessRows = {{
    {{5, 16}, 1, StorePicture::Picture4},
    {{17, 30}, 2, StorePicture::Picture5},
    {{31, 42}, 3, StorePicture::Picture6},
}};

// The palette Picture4, in pixels. Any click outside the swatches selects blue.
constexpr MarkerColor kBlue{0, 0, 255};
constexpr StorePicture kBluePalette = StorePicture::Picture9;
constexpr OpenRange kTopRow{4, 15};
constexpr OpenRange kBottomRow{20, 31};
// The pink-painted swatch of column 4 gives magenta markers.
constexpr std::array<Swatch, 8> kSwatches = {{
    {{35, 46}, kTopRow, {0, 0, 0}, StorePicture::Picture7},
    {{35, 46}, kBottomRow, {255, 255, 255}, StorePicture::Picture8},
    {{51, 62}, kTopRow, {255, 0, 0}, StorePicture::Picture10},
    {{51, 62}, kBottomRow, kBlue, StorePicture::Picture9},
    {{67, 78}, kTopRow, {0, 255, 0}, StorePicture::Picture11},
    {{67, 78}, kBottomRow, {255, 255, 0}, StorePicture::Picture12},
    {{83, 94}, kTopRow, {255, 0, 255}, StorePicture::Picture13},
    {{83, 94}, kBottomRow, {128, 64, 0}, StorePicture::Picture14},
}};

template <class Row, std::size_t N>
std::optional<Row> rowAt(const std::array<Row, N> &rows, float y)
{
    for (const Row &row : rows)
        if (row.y.contains(y))
            return row;
    return std::nullopt;
}

std::optional<Swatch> swatchAt(float x, float y)
{
    for (const Swatch &swatch : kSwatches)
        if (swatch.x.contains(x) && swatch.y.contains(y))
            return swatch;
    return std::nullopt;
}

// The symbol, thickness, colour and size pickers of the marker style.
class MarkerStylePickers : public QObject {
public:
    explicit MarkerStylePickers(Form1 &form) : QObject(&form), form_(form) {}

    void symbolPressed(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y);
    void thicknessPressed(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y);
    void palettePressed(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y);
    void sizeChanged(int value);

private:
    // Copies a picture of the store, loading the store window hidden if it is not yet.
    void showStorePicture(PictureBox &box, StorePicture picture);

    Form1 &form_;
};

void MarkerStylePickers::showStorePicture(PictureBox &box, StorePicture picture)
{
    if (const Form6 *store = form_.windows().window<Form6>(SecondaryWindow::Form6))
        box.setPicture(store->picture(picture));
}

void MarkerStylePickers::symbolPressed(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    if (!kSymbolColumn.contains(x))
        return;
    const std::optional<SymbolRow> row = rowAt(kSymbolRows, y);
    if (!row)
        return;
    form_.state().symbolKind = row->kind;
    showStorePicture(*form_.controls().Picture5, row->picture);
}

// The pen width is set before the picture, and holds for the next marker at once.
void MarkerStylePickers::thicknessPressed(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    if (!kThicknessColumn.contains(x))
        return;
    const std::optional<ThicknessRow> row = rowAt(kThicknessRows, y);
    if (!row)
        return;
    form_.controls().Picture1->setPenWidth(row->penWidth);
    showStorePicture(*form_.controls().Picture3, row->picture);
}

void MarkerStylePickers::palettePressed(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    PictureBox &palette = *form_.controls().Picture4;
    showStorePicture(palette, kBluePalette);
    form_.state().markerColor = kBlue;
    const std::optional<Swatch> swatch = swatchAt(x, y);
    if (!swatch)
        return;
    form_.state().markerColor = swatch->colour;
    showStorePicture(palette, swatch->picture);
}

void MarkerStylePickers::sizeChanged(int value)
{
    form_.state().symbolSize = static_cast<std::int16_t>(value);
    form_.controls().Label20->setText(QString::number(value));
}

} // namespace

void connectMarkerStylePickers(Form1 &form)
{
    auto *pickers = new MarkerStylePickers(form);
    const MainWindowControls &c = form.controls();
    QObject::connect(c.Picture2, &PictureBox::mousePressed, pickers,
                     &MarkerStylePickers::symbolPressed);
    QObject::connect(c.Picture3, &PictureBox::mousePressed, pickers,
                     &MarkerStylePickers::thicknessPressed);
    QObject::connect(c.Picture4, &PictureBox::mousePressed, pickers,
                     &MarkerStylePickers::palettePressed);
    QObject::connect(c.VScroll1, &QScrollBar::valueChanged, pickers,
                     &MarkerStylePickers::sizeChanged);
}

} // namespace tarlen
