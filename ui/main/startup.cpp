#include "core/file_size_signal.h"
#include "core/format_settings.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/picture_box.h"
#include "ui/main/calibration_placement.h"
#include "ui/main/form1.h"
#include "ui/platform/platform.h"
#include "ui/windows/form6_pointer_selection.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <exception>
#include <string>

namespace tarlen {

namespace {

constexpr int kRecommendedWidth = 1024;
constexpr MarkerColor kStartColour{0, 0, 255};
constexpr std::int16_t kCircle = 4;

// Start-up runs every step on its own: one that fails is skipped and the next one runs.
template <class Step> void runStep(Step &&step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

QString screenWarning(QSize screen)
{
    return QStringLiteral(" Ekran çözünürlüğünüz: \n   %1 × %2'dür.\n   1024 × 768 önerilir. ")
        .arg(screen.width())
        .arg(screen.height());
}

// Selects the option at the saved position 1, 2 or 3; any other index leaves the group alone.
void selectFormatOption(std::int16_t index, QRadioButton *first, QRadioButton *second,
                        QRadioButton *third)
{
    if (index == 1)
        first->setChecked(true);
    if (index == 2)
        second->setChecked(true);
    if (index == 3)
        third->setChecked(true);
}

} // namespace

void Form1::startUp()
{
    const MainWindowControls &c = controls_;

    // A write past a file-size limit then fails and is undone instead of ending the program.
    ignoreFileSizeSignal();
    runStep([&] {
        state_.symbolSize = static_cast<std::int16_t>(c.VScroll1->value());
        c.Label20->setText(QString::number(state_.symbolSize));
    });
    runStep([&] {
        const QSize screen = platform_.screenSize();
        if (screen.width() < kRecommendedWidth)
            platform_.showMessage(this, QStringLiteral("Dikkat!"), screenWarning(screen),
                                  MessageIcon::Exclamation);
    });
    runStep([&] {
        state_.xFormatIndex =
            loadFormatSetting(std::string(kXFormatsFileName), state_.xFormatIndex);
    });
    runStep([&] {
        state_.yFormatIndex =
            loadFormatSetting(std::string(kYFormatsFileName), state_.yFormatIndex);
    });
    runStep([&] { state_.lineNumber = 0; });
    // A picture larger than the screen leaves for it is shown through scroll bars.
    runStep([&] { c.Picture1->setRoom(canvasRoom(platform_.screenSize(), c.Picture1->pos())); });
    runStep([&] { placeCalibrationControls(c, kStartUpX0LabelOffset, kStartUpX1LabelOffset); });
    // Taking the first picture loads the picture store, which stays hidden.
    runStep([&] {
        if (const Form6 *store = windows_.window<Form6>(SecondaryWindow::Form6))
            c.Picture4->setPicture(store->picture(StorePicture::Picture9));
    });
    runStep([&] { state_.markerColor = kStartColour; });
    runStep([&] {
        if (const Form6 *store = windows_.window<Form6>(SecondaryWindow::Form6))
            c.Picture5->setPicture(store->picture(StorePicture::Picture18));
    });
    runStep([&] { state_.symbolKind = kCircle; });
    runStep([&] {
        selectFormatOption(state_.xFormatIndex, c.Option4, c.Option5, c.Option6);
        selectFormatOption(state_.yFormatIndex, c.Option7, c.Option8, c.Option9);
    });
    runStep([&] { setWindowTitle(QStringLiteral("Tarlen — Grafik Sayısallaştırıcı")); });
}

} // namespace tarlen
