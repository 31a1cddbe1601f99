#include "ui/graphfile/form3_chooser.h"

#include "ui/main/system_colours.h"
#include "ui/platform/platform.h"
#include "ui/windows/flat_button_face.h"
#include "ui/windows/secondary_window_layout.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <utility>

namespace tarlen {

namespace {

// The desktop colour of the classic desktop scheme that the other system colours follow.
constexpr QRgb kSystemDesktop = 0xFF3A6EA5;

constexpr WindowSpec kWindow{u"Form3", u"Dosya Seçimi", QSize(4020, 6345), QPoint(3555, 1800),
                             false, kDefaultControlFont, kSystemDesktop};

constexpr FontSpec kButtonFont{u"MS Sans Serif", 9.75, true};

// Left, top, width and height in twips inside the client area.
constexpr QRect kDrive1(480, 360, 3015, 315);
constexpr QRect kDir1(480, 840, 3015, 1665);
constexpr QRect kFile1(480, 2670, 3015, 2820);
constexpr QRect kCommand1(600, 5760, 1335, 375);
constexpr QRect kCommand2(2040, 5760, 1335, 375);

constexpr int kFolderIndent = 10;
constexpr int kPathRole = Qt::UserRole;

QFont fontOf(const FontSpec &wanted)
{
    QFont font(wanted.family.toString());
    font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    return font;
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(
        QDir::cleanPath(QDir(QDir::fromNativeSeparators(path)).absolutePath()));
}

Qt::CaseSensitivity pathCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

// Whether path lies in the folder root or is root itself; both in native notation.
bool isInside(const QString &path, const QString &root)
{
    const QString p = QDir::fromNativeSeparators(path);
    QString r = QDir::fromNativeSeparators(root);
    if (p.compare(r, pathCase()) == 0)
        return true;
    if (!r.endsWith(QLatin1Char('/')))
        r += QLatin1Char('/');
    return p.startsWith(r, pathCase());
}

// The drive that holds path: the listed root that is the longest leading part of it.
QString driveHolding(const QList<DriveEntry> &drives, const QString &path)
{
    QString best;
    for (const DriveEntry &drive : drives)
        if (isInside(path, drive.root) && drive.root.size() > best.size())
            best = drive.root;
    return best;
}

bool isReadableFolder(const QString &path)
{
    const QFileInfo info(QDir::fromNativeSeparators(path));
    return info.isDir() && info.isReadable();
}

// A folder list shows its folders opened one inside the other, without branch marks.
class FolderTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override {}
};

#ifndef Q_OS_WIN
// File systems in memory or in a read-only image: not drives a graph is kept on.
bool isMemoryOrImageFileSystem(const QByteArray &type)
{
    return type == "tmpfs" || type == "ramfs" || type == "devtmpfs" || type == "squashfs";
}
#endif

} // namespace

QList<DriveEntry> mountedDrives()
{
    QList<DriveEntry> drives;
#ifdef Q_OS_WIN
    // Only the letters: asking a removable drive without a medium for its label would stall.
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absolutePath());
        drives.append({root, root.left(2).toLower()});
    }
#else
    const QString workingRoot = QStorageInfo(QDir::currentPath()).rootPath();
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(root).isDir())
            continue;
        if (isMemoryOrImageFileSystem(volume.fileSystemType()) && root != workingRoot)
            continue;
        const QString name = volume.name();
        drives.append({root, name.isEmpty() ? root : QStringLiteral("%1 [%2]").arg(root, name)});
    }
    std::sort(drives.begin(), drives.end(),
              [](const DriveEntry &a, const DriveEntry &b) { return a.root < b.root; });
#endif
    return drives;
}

QString joinGraphPath(const QString &folder, QChar separator, const QString &fileName)
{
    return folder + separator + fileName;
}

bool matchesFilePattern(const QString &fileName, QStringView pattern)
{
    return QDir::match(QDir::nameFiltersFromString(pattern.toString()), fileName);
}

Form3::Form3(Platform &platform, DriveLister drives, QWidget *parent)
    : QWidget(parent), platform_(platform), listDrives_(std::move(drives))
{
    applyWindowSpec(this, kWindow);

    drive1_ = new QComboBox(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setGeometry(twipsToPixels(kDrive1));

    dir1_ = new FolderTree(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setGeometry(twipsToPixels(kDir1));
    dir1_->setHeaderHidden(true);
    dir1_->setRootIsDecorated(false);
    dir1_->setItemsExpandable(false);
    dir1_->setExpandsOnDoubleClick(false);
    dir1_->setIndentation(kFolderIndent);
    dir1_->setSelectionMode(QAbstractItemView::SingleSelection);

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(twipsToPixels(kFile1));
    file1_->setSelectionMode(QAbstractItemView::SingleSelection);

    command1_ = new QPushButton(QStringLiteral("Tamam"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(twipsToPixels(kCommand1));
    command1_->setFont(fontOf(kButtonFont));
    giveFlatFace(*command1_, QColor(kSystemTooltipBackground));

    command2_ = new QPushButton(QStringLiteral("Vazgeç"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(twipsToPixels(kCommand2));
    command2_->setFont(fontOf(kButtonFont));

    // Neither button answers Enter or Escape on the window's behalf.
    for (QPushButton *button : {command1_, command2_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    setTabOrder(drive1_, dir1_);
    setTabOrder(dir1_, file1_);
    setTabOrder(file1_, command1_);
    setTabOrder(command1_, command2_);

    // The lists start where the process stands: its drive and its working folder.
    const QList<DriveEntry> entries = listDrives_();
    const QString working = nativePath(QDir::currentPath());
    drive_ = driveHolding(entries, working);
    driveFolders_.insert(drive_, working);
    fillDrives(entries);
    setFolderPath(working);

    connect(drive1_, &QComboBox::currentIndexChanged, this, &Form3::changeDrive);
    connect(dir1_, &QTreeWidget::itemActivated, this, &Form3::openFolderItem);
    connect(file1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QString name = selectedFileName();
        if (!name.isEmpty())
            emit fileClicked(joinGraphPath(fileFolder_, QDir::separator(), name));
    });
    connect(command1_, &QPushButton::clicked, this, &Form3::confirmRequested);
    connect(command2_, &QPushButton::clicked, this, [this] {
        emit cancelled();
        hide();
        emit mainWindowRequested();
    });
}

QString Form3::selectedFileName() const
{
    const QList<QListWidgetItem *> selected = file1_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void Form3::fillDrives(const QList<DriveEntry> &drives)
{
    const QSignalBlocker blocker(drive1_);
    drive1_->clear();
    for (const DriveEntry &drive : drives)
        drive1_->addItem(drive.caption, drive.root);
    drive1_->setCurrentIndex(drive1_->findData(drive_));
}

void Form3::selectDriveEntry(const QString &root)
{
    const QSignalBlocker blocker(drive1_);
    drive1_->setCurrentIndex(drive1_->findData(root));
}

void Form3::changeDrive(int index)
{
    const QString chosen = drive1_->itemData(index).toString();
    // The drives are read again, so one that has gone since is noticed now.
    fillDrives(listDrives_());
    const bool listed = drive1_->findData(chosen) >= 0;
    QString target = driveFolders_.value(chosen, chosen);
    if (listed && !isReadableFolder(target))
        target = chosen;
    if (chosen.isEmpty() || !listed || !isReadableFolder(target)) {
        reportUnreadable(QStringLiteral("\"%1\" sürücüsü okunamıyor.").arg(chosen));
        selectDriveEntry(drive_);
        return;
    }
    const QString previous = std::exchange(drive_, chosen);
    if (setFolderPath(target)) {
        selectDriveEntry(drive_);
    } else {
        drive_ = previous;
        selectDriveEntry(previous);
    }
}

void Form3::openFolderItem(QTreeWidgetItem *item)
{
    if (!item || setFolderPath(item->data(0, kPathRole).toString()))
        return;
    // The folder stays where it was, and so does the highlight.
    const QSignalBlocker blocker(dir1_);
    for (QTreeWidgetItemIterator it(dir1_); *it; ++it)
        if ((*it)->data(0, kPathRole).toString() == folder_)
            dir1_->setCurrentItem(*it);
}

bool Form3::setFolderPath(const QString &path)
{
    const QString folder = nativePath(path);
    if (!isReadableFolder(folder)) {
        reportUnreadable(QStringLiteral("\"%1\" klasörü okunamıyor.").arg(folder));
        return false;
    }
    const QDir dir(QDir::fromNativeSeparators(folder));
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    // Only regular files, or links to them: a link to a device or a FIFO under a picture's
    // name would be read without end or wait for ever.
    QStringList files;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (matchesFilePattern(name, kFilePattern) && QFileInfo(dir.filePath(name)).isFile())
            files.append(name);

    fillFolderList(folder, subfolders);
    folder_ = folder;
    driveFolders_.insert(drive_, folder);
    // The folder list hands its path on to the file list.
    fillFileList(folder, files);
    return true;
}

void Form3::fillFolderList(const QString &path, const QStringList &subfolders)
{
    // The folders from the drive's root down to this one, each opened inside the one above.
    QStringList chain;
    const bool onDrive = !drive_.isEmpty() && isInside(path, drive_);
    for (QString p = path;;) {
        chain.prepend(p);
        if (onDrive && p.compare(drive_, pathCase()) == 0)
            break;
        const QString parentPath = nativePath(QFileInfo(QDir::fromNativeSeparators(p)).path());
        if (parentPath.compare(p, pathCase()) == 0)
            break;
        p = parentPath;
    }

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QSignalBlocker blocker(dir1_);
    dir1_->clear();
    QTreeWidgetItem *above = nullptr;
    for (const QString &p : chain) {
        const QString name = QFileInfo(QDir::fromNativeSeparators(p)).fileName();
        auto *item = above ? new QTreeWidgetItem(above) : new QTreeWidgetItem(dir1_);
        item->setText(0, above && !name.isEmpty() ? name : p);
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, p);
        item->setToolTip(0, p);
        above = item;
    }
    for (const QString &name : subfolders) {
        auto *item = new QTreeWidgetItem(above);
        item->setText(0, name);
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole,
                      nativePath(QDir(QDir::fromNativeSeparators(path)).filePath(name)));
    }
    dir1_->expandAll();
    dir1_->setCurrentItem(above);
    dir1_->scrollToItem(above);
}

void Form3::fillFileList(const QString &path, const QStringList &files)
{
    const QSignalBlocker blocker(file1_);
    file1_->clear();
    file1_->addItems(files);
    fileFolder_ = path;
}

void Form3::highlightFile(const QString &graphPath)
{
    const QSignalBlocker blocker(file1_);
    file1_->clearSelection();
    file1_->setCurrentItem(nullptr);
    for (int row = 0; row < file1_->count(); ++row) {
        QListWidgetItem *item = file1_->item(row);
        if (joinGraphPath(fileFolder_, QDir::separator(), item->text()) == graphPath) {
            file1_->setCurrentItem(item);
            file1_->scrollToItem(item);
            return;
        }
    }
}

void Form3::closeEvent(QCloseEvent *event)
{
    emit cancelled();
    QWidget::closeEvent(event);
}

void Form3::reportUnreadable(const QString &text)
{
    platform_.showMessage(this, QStringLiteral("Dikkat!"), text, MessageIcon::Exclamation);
}

} // namespace tarlen
