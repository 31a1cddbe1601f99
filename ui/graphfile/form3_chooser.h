#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <QWidget>

#include <functional>

class QCloseEvent;
class QComboBox;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarlen {

class Platform;

// One entry of the drive list: the root folder as the platform writes it, and its caption.
struct DriveEntry {
    QString root;
    QString caption;
};
using DriveLister = std::function<QList<DriveEntry>()>;

// The machine's drives: the drive letters on Windows; elsewhere the mounted file systems that
// hold folders, without the memory-backed and image ones unless they hold the working folder.
QList<DriveEntry> mountedDrives();

// The path of a clicked file: folder, separator and name joined as they are, so a root
// folder that already ends in the separator gives two in a row.
QString joinGraphPath(const QString &folder, QChar separator, const QString &fileName);

// Whether a file name matches one of the ';'-separated wildcard patterns, in any letter case.
bool matchesFilePattern(const QString &fileName, QStringView pattern);

// "Dosya Seçimi": a drive list, a folder list and a list of the folder's picture files,
// chained one way (drive, then folder, then file). It keeps its place while hidden.
class Form3 : public QWidget {
    Q_OBJECT

public:
    static constexpr QStringView kFilePattern = u"*.BMP;*.JPG;*.GIF;*.PNG;*.JPEG;*.TIF;*.TIFF";

    // The lists start at the working folder and its drive.
    explicit Form3(Platform &platform, DriveLister drives = mountedDrives,
                   QWidget *parent = nullptr);

    // The path of Dir1, in the platform's notation.
    QString folderPath() const { return folder_; }
    // The folder that File1 lists, in the platform's notation.
    QString fileFolderPath() const { return fileFolder_; }
    QString selectedFileName() const;

    // Points Dir1 at a folder, which re-reads it and hands it on to File1. A folder that
    // cannot be read is reported and leaves both lists where they were.
    bool setFolderPath(const QString &path);

    // Highlights the File1 entry whose joined path is graphPath, or none when the file is not
    // listed, without announcing a click: the highlight then names the picture shown.
    void highlightFile(const QString &graphPath);

signals:
    // A name was selected in File1: the joined path of the picture.
    void fileClicked(const QString &graphPath);
    // "Tamam" was pressed.
    void confirmRequested();
    // "Vazgeç" was pressed or the frame closes the window: the choice is abandoned.
    void cancelled();
    // "Vazgeç" has hidden the chooser; the main window is to come to the front.
    void mainWindowRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fillDrives(const QList<DriveEntry> &drives);
    void selectDriveEntry(const QString &root);
    void changeDrive(int index);
    void openFolderItem(QTreeWidgetItem *item);
    void fillFolderList(const QString &path, const QStringList &subfolders);
    void fillFileList(const QString &path, const QStringList &files);
    void reportUnreadable(const QString &text);

    Platform &platform_;
    DriveLister listDrives_;
    QComboBox *drive1_ = nullptr;
    QTreeWidget *dir1_ = nullptr;
    QListWidget *file1_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;

    QString drive_;
    QString folder_;
    QString fileFolder_;
    // The folder each drive showed last, its current folder when it is chosen again.
    QHash<QString, QString> driveFolders_;
};

} // namespace tarlen
