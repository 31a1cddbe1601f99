// Two more ways to open a graph on the main window: dropping a picture file on it, and Ctrl+V
// with a picture on the clipboard, saved first as a PNG in the working folder.
#include "core/system_error_text.h"
#include "ui/graphfile/graph_opening.h"
#include "ui/main/form1.h"
#include "ui/main/handlers.h"
#include "ui/platform/platform.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>
#include <cerrno>
#include <optional>

namespace tarlen {

namespace {

// The first local file among the dragged addresses.
std::optional<QString> droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return std::nullopt;
}

class DropOnMainWindow : public QObject {
public:
    explicit DropOnMainWindow(Form1 &form) : QObject(&form), form_(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &form_)
            return false;
        const QEvent::Type type = event->type();
        if (type == QEvent::DragEnter || type == QEvent::DragMove) {
            auto *drag = static_cast<QDropEvent *>(event);
            if (droppedFile(drag->mimeData()))
                drag->acceptProposedAction();
            return true;
        }
        if (type == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (const std::optional<QString> file = droppedFile(drop->mimeData())) {
                drop->acceptProposedAction();
                openGraphPicture(form_, *file);
            }
            return true;
        }
        return false;
    }

private:
    Form1 &form_;
};

// A name in the working folder that says what the file is and when it came, never one taken.
QString freePastedName(const QDateTime &now)
{
    const QString stem = now.toString(QStringLiteral("'pano-'yyyy-MM-dd-HHmmss"));
    QString name = stem + QStringLiteral(".png");
    for (int n = 2; QFile::exists(name); ++n)
        name = QStringLiteral("%1-%2.png").arg(stem).arg(n);
    return name;
}

} // namespace

SavedPicture savePastedPicture(const QImage &picture, const QDateTime &now)
{
    const QString name = freePastedName(now);
    QFile file(name);
    errno = 0;
    // NewOnly: a file made meanwhile under the name is never overwritten.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const int error = errno;
        return {std::nullopt,
                error != 0 ? QString::fromStdString(systemErrorText(error)) : file.errorString()};
    }
    QImageWriter writer(&file, "png");
    errno = 0;
    if (!writer.write(picture) || !file.flush()) {
        const int error = errno;
        const QString failure =
            error != 0 ? QString::fromStdString(systemErrorText(error)) : writer.errorString();
        file.remove();
        return {std::nullopt, failure};
    }
    return {name, {}};
}

void pasteGraphPicture(Form1 &form)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    // Text on the clipboard is for the text boxes; without a picture there is nothing to do.
    if (!data || data->hasText() || !data->hasImage())
        return;
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    if (picture.isNull())
        return;
    const SavedPicture saved = savePastedPicture(picture, QDateTime::currentDateTime());
    if (!saved.name) {
        form.platform().showMessage(
            &form, QStringLiteral("Dikkat!"),
            QStringLiteral("Panodaki resim \"%1\" klasörüne kaydedilemedi: %2")
                .arg(QDir::toNativeSeparators(QDir::currentPath()), saved.failure),
            MessageIcon::Exclamation);
        return;
    }
    openGraphPicture(form, *saved.name);
}

void connectGraphDropAndPaste(Form1 &form)
{
    form.setAcceptDrops(true);
    form.installEventFilter(new DropOnMainWindow(form));
    auto *paste = new QShortcut(QKeySequence::Paste, &form);
    paste->setObjectName(QStringLiteral("pasteGraphShortcut"));
    QObject::connect(paste, &QShortcut::activated, &form, [&form] { pasteGraphPicture(form); });
}

} // namespace tarlen
