#include "ui/main/handlers.h"

#include "ui/canvas/graph_canvas.h"
#include "ui/main/form1.h"
#include "ui/platform/platform.h"
#include "ui/windows/address_form.h"
#include "ui/windows/form4_user_guide.h"
#include "ui/windows/magnifier_window.h"

#include <QEvent>
#include <QPointer>
#include <QPushButton>

#include <memory>

namespace tarlen {

namespace {

const QString kSystemMagnifier = QStringLiteral("C:\\windows\\system32\\magnify.exe");
const QString kOlderSystemMagnifier = QStringLiteral("C:\\winnt\\system32\\magnify.exe");

// The buttons that open the aids beside the digitizing work: the guide, the address window
// and a magnifier.
class ToolCommands : public QObject {
public:
    explicit ToolCommands(Form1 &form) : QObject(&form), form_(form)
    {
        // The magnifier goes out of sight together with the main window, as at the exit.
        form.installEventFilter(this);
    }

    void openGuide()
    {
        if (auto *guide = form_.windows().window<Form4>(SecondaryWindow::Form4))
            guide->showGuide();
    }

    void openAddress() { form_.windows().show(SecondaryWindow::AddressForm); }

    // The system's magnifier from its two fixed paths; where neither starts, the program's own.
    void startMagnifier()
    {
        Platform &platform = form_.platform();
        if (platform.startProgram(kSystemMagnifier, StartWindowState::MinimizedNoFocus))
            return;
        if (platform.startProgram(kOlderSystemMagnifier, StartWindowState::NormalFocus))
            return;
        showOwnMagnifier();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &form_ && event->type() == QEvent::Hide && !event->spontaneous() &&
            magnifier_)
            magnifier_->hide();
        return QObject::eventFilter(watched, event);
    }

private:
    void showOwnMagnifier()
    {
        GraphCanvas *canvas = form_.controls().Picture1;
        if (!magnifier_) {
            // A tool window of the main window: it stays above it and goes with it.
            magnifier_ = new MagnifierWindow(*canvas, &form_);
            magnifier_->placeBeside(QRect(canvas->mapToGlobal(QPoint(0, 0)), canvas->size()),
                                    form_.platform().screenSize());
        }
        magnifier_->show();
        magnifier_->raise();
    }

    Form1 &form_;
    QPointer<MagnifierWindow> magnifier_;
};

} // namespace

void connectToolCommands(Form1 &form)
{
    form.windows().registerFactory(SecondaryWindow::Form4,
                                   [] { return std::make_unique<Form4>(); });
    form.windows().registerFactory(SecondaryWindow::AddressForm, [&form] {
        auto address = std::make_unique<AddressForm>();
        QObject::connect(address.get(), &AddressForm::mainWindowRequested, &form,
                         &Form1::bringToFront);
        return std::unique_ptr<QWidget>(std::move(address));
    });

    auto *tools = new ToolCommands(form);
    const MainWindowControls &c = form.controls();
    QObject::connect(c.Command9, &QPushButton::clicked, tools, &ToolCommands::openGuide);
    QObject::connect(c.Command10, &QPushButton::clicked, tools, &ToolCommands::openAddress);
    QObject::connect(c.Command18, &QPushButton::clicked, tools, &ToolCommands::startMagnifier);
}

} // namespace tarlen
