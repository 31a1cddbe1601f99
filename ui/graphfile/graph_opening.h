#pragma once

#include "ui/graphfile/graph_picture.h"

#include <QString>
#include <optional>

class QDateTime;
class QImage;

namespace tarlen {

// Why a picture file did not load, in the words the user is told, naming the file.
QString graphRefusal(GraphPictureStatus status, const QString &graphPath);

class Form1;

// Opens a picture as if it were chosen in the chooser after "&Grafik Değiştir" and confirmed
// with "Tamam": a blank calibration panel at line 0, the picture on the canvas, its names and
// the controls placed around it. A file that does not load is reported, naming it and saying
// why, and changes nothing. The path may be relative to the working folder.
bool openGraphPicture(Form1 &form, const QString &path);

// Saves a pasted picture as a PNG in the working folder under a new name that says what it is
// and when it came, such as pano-2026-12-11-143005.png, never over a file.
struct SavedPicture {
    std::optional<QString> name; // none when it could not be saved
    QString failure;             // then the reason, in Turkish where the system says it
};
SavedPicture savePastedPicture(const QImage &picture, const QDateTime &now);

// Ctrl+V on the main window: a picture on the clipboard with no text is saved and opened as
// openGraphPicture opens a file; anything else does nothing.
void pasteGraphPicture(Form1 &form);

} // namespace tarlen
