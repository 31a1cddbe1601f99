#include "ui/main/form1.h"

#include "ui/canvas/graph_canvas.h"
#include "ui/canvas/marker_drawing.h"
#include "ui/canvas/twips.h"
#include "ui/main/handlers.h"
#include "ui/main/main_window_layout.h"
#include "ui/windows/form6_pointer_selection.h"
#include "ui/windows/picture_store.h"

#include <QIcon>
#include <QPushButton>
#include <QTimer>

namespace tarlen {

namespace {
// The stored client area, in twips; the window opens maximized over it.
constexpr int kStoredLeft = 60;
constexpr int kStoredTop = 450;
constexpr int kStoredWidth = 10935;
constexpr int kStoredHeight = 8490;
constexpr int kTimerIntervalMs = 120;
} // namespace

Form1::Form1(Platform &platform, QWidget *parent) : QWidget(parent), platform_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    installFontSubstitutions();
    setFont(standardControlFont());
    setWindowIcon(QIcon(QPixmap::fromImage(drawWindowIcon())));
    setGeometry(twipsToPixels(kStoredLeft), twipsToPixels(kStoredTop), twipsToPixels(kStoredWidth),
                twipsToPixels(kStoredHeight));

    controls_ = buildMainWindowControls(*this);

    const QImage sample(QStringLiteral(":/sample_graph.bmp"));
    if (!sample.isNull())
        controls_.Picture1->setPicture(sample);

    // Timer1 ticks but nothing listens to it.
    controls_.Timer1 = new QTimer(this);
    controls_.Timer1->setObjectName(QStringLiteral("Timer1"));
    controls_.Timer1->setInterval(kTimerIntervalMs);
    controls_.Timer1->start();

    connect(controls_.Command2, &QPushButton::clicked, this, &Form1::exitProgram);

    registerWindowFactories();
    connectSubsystemHandlers(*this);
}

Form1::~Form1() = default;

void Form1::registerWindowFactories()
{
    windows_.registerFactory(SecondaryWindow::Form6, [this] {
        auto form = std::make_unique<Form6>();
        connect(form.get(), &Form6::mainWindowRequested, this, &Form1::bringToFront);
        return std::unique_ptr<QWidget>(std::move(form));
    });
}

void Form1::simgebas(float &x, float &Y, std::int16_t &secim, std::int16_t &olcekk)
{
    drawMarker(*controls_.Picture1, state_.markerColor, x, Y, secim, olcekk);
}

void Form1::bringToFront()
{
    show();
    raise();
    activateWindow();
}

} // namespace tarlen
