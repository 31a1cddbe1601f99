#include "ui/main/handlers.h"

#include "core/graph_names.h"
#include "ui/canvas/graph_canvas.h"
#include "ui/graphfile/form3_chooser.h"
#include "ui/graphfile/graph_opening.h"
#include "ui/graphfile/graph_picture.h"
#include "ui/graphfile/graph_selection.h"
#include "ui/main/calibration_placement.h"
#include "ui/main/form1.h"
#include "ui/platform/platform.h"
#include "ui/windows/form5_values.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace tarlen {

namespace {

// Confirming a graph swaps the offsets of the two x position labels that start-up uses.
constexpr int kGraphX0LabelOffset = 8;
constexpr int kGraphX1LabelOffset = 12;

// The graph whose names the run uses, kept while the chooser shows other pictures on the
// canvas, so that abandoning the choice can put it back.
class GraphSelection : public QObject {
    Q_OBJECT

public:
    explicit GraphSelection(Form1 &form) : QObject(&form)
    {
        setObjectName(QStringLiteral("graphSelection"));
    }

    // A clicked picture waits for "Tamam"; the confirmed one is what the canvas showed before.
    bool awaitsConfirmation() const { return awaiting_; }

    // Called before a clicked picture replaces the canvas's one.
    void keepConfirmed(const QImage &picture, const std::string &graphPath)
    {
        if (awaiting_)
            return;
        confirmedPicture_ = picture;
        confirmedPath_ = graphPath;
        awaiting_ = true;
    }
    void confirm()
    {
        awaiting_ = false;
        confirmedPicture_ = QImage();
    }
    // Puts the confirmed picture back on the canvas, with its graphPath.
    void restore(Form1 &form)
    {
        if (!awaiting_)
            return;
        form.controls().Picture1->setPicture(confirmedPicture_);
        form.state().graphPath = confirmedPath_;
        confirm();
    }

private:
    bool awaiting_ = false;
    QImage confirmedPicture_;
    std::string confirmedPath_;
};

GraphSelection *selectionOf(const Form1 &form)
{
    return form.findChild<GraphSelection *>(QStringLiteral("graphSelection"),
                                            Qt::FindDirectChildrenOnly);
}

void warn(Form1 &form, QWidget *parent, const QString &text)
{
    form.platform().showMessage(parent, QStringLiteral("Dikkat!"), text,
                                MessageIcon::Exclamation);
}

// A blank, editable calibration panel at line 0 for a new graph; with the chooser on the
// screen when it comes from "&Grafik Değiştir".
void blankCalibrationEntry(Form1 &form, bool showChooser)
{
    const MainWindowControls &c = form.controls();
    form.state().lineNumber = 0;
    c.Label16->setText(QStringLiteral("0"));
    if (showChooser)
        form.windows().show(SecondaryWindow::Form3);
    // The values window is created hidden when missing; its list keeps its lines.
    if (Form5 *values = form.windows().window<Form5>(SecondaryWindow::Form5))
        values->clearDrawingSurface();
    for (QLineEdit *box : {c.Text1, c.Text2, c.Text3, c.Text4, c.Text6, c.Text7})
        box->clear();
    c.Label6->setText(QStringLiteral("x0"));
    c.Label7->setText(QStringLiteral("y0"));
    c.Label8->setText(QStringLiteral("xL"));
    c.Label9->setText(QStringLiteral("yL"));
    c.Check1->setChecked(false);
    c.Check2->setChecked(false);
    QWidget *const unlocked[] = {c.Command4, c.Command5, c.Command6, c.Command7,
                                 c.Text1,    c.Text2,    c.Text3,    c.Text4,
                                 c.Label6,   c.Label7,   c.Label8,   c.Label9,
                                 c.Check1,   c.Check2};
    for (QWidget *control : unlocked)
        control->setEnabled(true);
}

} // namespace

QString graphRefusal(GraphPictureStatus status, const QString &graphPath)
{
    switch (status) {
    case GraphPictureStatus::Loaded:
        return {};
    case GraphPictureStatus::NotAPicture:
        return QStringLiteral("\"%1\" açılamadı: dosya bozuk ya da eksik, ya da BMP, JPEG, GIF, "
                              "PNG veya TIFF biçiminde bir resim değil.")
            .arg(graphPath);
    case GraphPictureStatus::TooLarge:
        return QStringLiteral("\"%1\" açılamadı: resim çok büyük. En çok %2 milyon piksellik "
                              "resimler yüklenebilir.")
            .arg(graphPath)
            .arg(kMaxGraphPixels / 1'000'000);
    case GraphPictureStatus::Unreadable:
        return QStringLiteral("\"%1\" açılamadı: dosya okunamıyor ya da artık yok.").arg(graphPath);
    case GraphPictureStatus::NotAFile:
        return QStringLiteral("\"%1\" açılamadı: bu bir resim dosyası değil, bir klasör ya da "
                              "aygıt.")
            .arg(graphPath);
    }
    return {};
}

namespace {

// A file click: the picture goes on the canvas at once, and graphPath names it. A file that
// does not load leaves both as they were, and the highlight goes back to the picture shown,
// so graphPath always names it.
void showClickedPicture(Form1 &form, GraphSelection &selection, Form3 *chooser,
                        const QString &graphPath)
{
    const GraphPicture picture = readGraphPicture(graphPath);
    if (picture.status != GraphPictureStatus::Loaded) {
        chooser->highlightFile(QString::fromStdString(form.state().graphPath));
        warn(form, chooser, graphRefusal(picture.status, graphPath));
        return;
    }
    selection.keepConfirmed(form.controls().Picture1->picture(), form.state().graphPath);
    form.controls().Picture1->setPicture(picture.image);
    form.state().graphPath = graphPath.toStdString();
}

// "Vazgeç" or the frame's close box: the confirmed picture comes back on the canvas with its
// path, so the picture shown, the names and the placement around it agree again.
void abandonChoice(Form1 &form, GraphSelection &selection, Form3 *chooser)
{
    selection.restore(form);
    chooser->highlightFile(QString::fromStdString(form.state().graphPath));
}

// "Tamam": the clicked picture becomes the graph of the run.
void confirmGraph(Form1 &form, GraphSelection &selection, QWidget *chooser)
{
    DigitizerState &state = form.state();
    const MainWindowControls &c = form.controls();
    // Without a clicked picture there are no names to derive; nothing changes.
    if (state.graphPath.empty()) {
        warn(form, chooser, QStringLiteral("Önce bir grafik dosyası seçiniz."));
        return;
    }

    QWidget *const unlocked[] = {c.Command4, c.Command5, c.Command6, c.Command7, c.Command12,
                                 c.Text1,    c.Text2,    c.Text3,    c.Text4,    c.Text5};
    for (QWidget *control : unlocked)
        control->setEnabled(true);

    selection.confirm();
    GraphNames names = deriveGraphNames(state.graphPath, QDir::separator().toLatin1(),
                                        state.lineNumber);
    state.graphFileName = std::move(names.graphFileName);
    state.graphBaseName = std::move(names.graphBaseName);
    state.pointsFileName = std::move(names.pointsFileName);

    if (chooser)
        chooser->hide();
    placeCalibrationControls(c, kGraphX0LabelOffset, kGraphX1LabelOffset);

    c.Label19->setText(QString::fromStdString(state.pointsFileName));
    QPalette palette = c.Label19->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    c.Label19->setPalette(palette);
}

} // namespace

bool openGraphPicture(Form1 &form, const QString &path)
{
    const QString graphPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const GraphPicture picture = readGraphPicture(graphPath);
    if (picture.status != GraphPictureStatus::Loaded) {
        warn(form, &form, graphRefusal(picture.status, graphPath));
        return false;
    }
    blankCalibrationEntry(form, false);
    form.controls().Picture1->setPicture(picture.image);
    form.state().graphPath = graphPath.toStdString();
    GraphSelection *selection = selectionOf(form);
    confirmGraph(form, *selection, form.windows().loaded(SecondaryWindow::Form3));
    return true;
}

bool pictureAwaitsConfirmation(const Form1 &form)
{
    const GraphSelection *selection = selectionOf(form);
    return selection && selection->awaitsConfirmation();
}

void connectGraphChooser(Form1 &form)
{
    GraphSelection *const selection = new GraphSelection(form);
    form.windows().registerFactory(SecondaryWindow::Form3, [&form, selection] {
        auto chooser = std::make_unique<Form3>(form.platform());
        Form3 *const raw = chooser.get();
        QObject::connect(raw, &Form3::fileClicked, &form,
                         [&form, selection, raw](const QString &path) {
                             showClickedPicture(form, *selection, raw, path);
                         });
        QObject::connect(raw, &Form3::confirmRequested, &form,
                         [&form, selection, raw] { confirmGraph(form, *selection, raw); });
        QObject::connect(raw, &Form3::cancelled, &form,
                         [&form, selection, raw] { abandonChoice(form, *selection, raw); });
        QObject::connect(raw, &Form3::mainWindowRequested, &form, &Form1::bringToFront);
        return std::unique_ptr<QWidget>(std::move(chooser));
    });
    QObject::connect(form.controls().Command3, &QPushButton::clicked, &form,
                     [&form] { blankCalibrationEntry(form, true); });
}

} // namespace tarlen

#include "graph_chooser.moc"
