// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportdialog.h"

#include "export/filenames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

namespace drevant {

namespace {

const QString DriveNameOpen = QStringLiteral("  (");

// File systems that hold no user files: kernel interfaces, memory file systems, automount
// points and read-only package images.
bool isPseudoFileSystem(const QStorageInfo& volume) {
    static const QSet<QByteArray> pseudoTypes = {
        "proc",     "sysfs",      "devtmpfs", "devpts",      "tmpfs",
        "ramfs",    "cgroup",     "cgroup2",  "securityfs",  "debugfs",
        "tracefs",  "configfs",   "fusectl",  "pstore",      "bpf",
        "mqueue",   "hugetlbfs",  "autofs",   "nsfs",        "binfmt_misc",
        "efivarfs", "rpc_pipefs", "squashfs", "fuse.portal", "fuse.gvfsd-fuse"};
    if (pseudoTypes.contains(volume.fileSystemType()))
        return true;
    const QString root = volume.rootPath();
    if (root.startsWith(QLatin1String("/run/media/")))
        return false; // where removable media are mounted on some systems
    for (const char* system : {"/proc", "/sys", "/dev", "/run", "/snap"}) {
        const QString prefix = QString::fromLatin1(system);
        if (root == prefix || root.startsWith(prefix + u'/'))
            return true;
    }
    return false;
}

// A drive letter's root ("C:/"): the letter names the drive by itself.
bool isDriveLetterRoot(const QString& root) {
    return root.size() == 3 && root.at(0).isLetter() && root.at(1) == u':' && root.at(2) == u'/';
}

// What a person calls a volume: its label; a drive letter without a label needs none; else
// "root" for the Unix root, the device's name ("sdb1"), else the file system type.
QString volumeName(const QStorageInfo& volume) {
    if (!volume.name().isEmpty() || isDriveLetterRoot(volume.rootPath()))
        return volume.name();
    if (volume.rootPath() == QLatin1String("/"))
        return QStringLiteral("root");
    const QByteArray device = volume.device();
    if (device.startsWith("/dev/"))
        return QFileInfo(QString::fromLocal8Bit(device)).fileName();
    return QString::fromLatin1(volume.fileSystemType());
}

bool isFolder(const QString& path) {
    return isFolderPath(path); // by the bytes of the name, also when they are not UTF-8
}

class SavingFlag {
public:
    explicit SavingFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~SavingFlag() { m_flag = false; }
    SavingFlag(const SavingFlag&) = delete;
    SavingFlag& operator=(const SavingFlag&) = delete;

private:
    bool& m_flag;
};

} // namespace

QString driveText(const ExportVolume& volume) {
    const QString root = QDir::toNativeSeparators(volume.rootPath);
    return volume.name.isEmpty() ? root : root + DriveNameOpen + volume.name + u')';
}

ExportLocations::ExportLocations(std::vector<ExportVolume> volumes, QString startFolder)
    : m_volumes(std::move(volumes)), m_startFolder(cleanFolderPath(startFolder)) {}

ExportLocations ExportLocations::system() {
    QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!isFolder(start))
        start = homeFolderPath();
    start = cleanFolderPath(start);

    std::vector<ExportVolume> volumes;
    auto add = [&volumes](const QStorageInfo& volume) {
        const QString root = cleanFolderPath(volume.rootPath());
        // A later mount on the same point hides the earlier one.
        std::erase_if(volumes, [&root](const ExportVolume& v) { return v.rootPath == root; });
        volumes.push_back({root, volumeName(volume)});
    };
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Single files bind-mounted into containers are volumes too, but hold no folders.
        if (volume.isValid() && volume.isReady() && !isPseudoFileSystem(volume) &&
            isFolder(volume.rootPath()))
            add(volume);
    }
    // The start location's own volume is always offered, whatever kind it is.
    const QStorageInfo startVolume(start);
    if (startVolume.isValid() &&
        std::none_of(volumes.begin(), volumes.end(), [&](const ExportVolume& v) {
            return v.rootPath == cleanFolderPath(startVolume.rootPath());
        }))
        add(startVolume);

    const QString systemRoot = cleanFolderPath(QDir::rootPath());
    std::sort(volumes.begin(), volumes.end(), [&](const ExportVolume& a, const ExportVolume& b) {
        const bool aRoot = a.rootPath == systemRoot;
        const bool bRoot = b.rootPath == systemRoot;
        if (aRoot != bRoot)
            return aRoot;
        return a.rootPath < b.rootPath;
    });
    return ExportLocations(std::move(volumes), start);
}

int ExportLocations::volumeNamed(const QString& text) const {
    for (std::size_t i = 0; i < m_volumes.size(); ++i) {
        if (driveText(m_volumes[i]) == text)
            return static_cast<int>(i);
    }
    const qsizetype open = text.indexOf(DriveNameOpen);
    const QString root = cleanFolderPath(open >= 0 ? text.left(open) : text);
    for (std::size_t i = 0; i < m_volumes.size(); ++i) {
        if (!root.isEmpty() && m_volumes[i].rootPath == root)
            return static_cast<int>(i);
    }
    return -1;
}

int ExportLocations::volumeHolding(const QString& folder) const {
    int best = -1;
    qsizetype bestLength = -1;
    for (std::size_t i = 0; i < m_volumes.size(); ++i) {
        const QString& root = m_volumes[i].rootPath;
        const bool inside =
            folder == root ||
            (root.endsWith(u'/') ? folder.startsWith(root) : folder.startsWith(root + u'/'));
        if (!folder.isEmpty() && inside && root.size() > bestLength) {
            best = static_cast<int>(i);
            bestLength = root.size();
        }
    }
    return best;
}

QString withDatExtension(const QString& text) {
    if (text.endsWith(QLatin1String(".dat"), Qt::CaseSensitive))
        return text;
    return text + QStringLiteral(".dat");
}

QString withDefaultName(const QString& text) {
    if (text.startsWith(u'*'))
        return QStringLiteral("Drevant.dat");
    return text;
}

QString cleanFolderPath(const QString& path, const QString& base) {
    if (path.isEmpty())
        return QString();
    QString p = QDir::fromNativeSeparators(path);
    if (QDir::isRelativePath(p))
        p = base.isEmpty() ? QFileInfo(p).absoluteFilePath() : base + u'/' + p;
    return QDir::cleanPath(p);
}

ExportDialog::ExportDialog(DeclareVars& vars, RandomSource& random, ExportLocations locations,
                           ExportListsView* view)
    : m_vars(vars), m_random(random), m_locations(std::move(locations)), m_view(view) {
    const auto& volumes = m_locations.volumes();
    const int start = m_locations.startVolume();
    for (const ExportVolume& volume : volumes)
        m_driveFolders.push_back(volume.rootPath);
    // Before loading, the lists stand at the start location and its drive.
    if (start >= 0) {
        m_driveFolders[start] = m_locations.startFolder();
        m_drive = driveText(volumes[start]);
    }
    m_folder = m_locations.startFolder();
    m_fileFolder = m_folder;
}

QStringList ExportDialog::driveTexts() const {
    QStringList texts;
    for (const ExportVolume& volume : m_locations.volumes())
        texts << driveText(volume);
    return texts;
}

void ExportDialog::setDrive(const QString& text) {
    const int index = m_locations.volumeNamed(text);
    if (index < 0)
        return;
    const QString named = driveText(m_locations.volumes()[index]);
    if (named == m_drive)
        return;
    m_drive = named;
    if (m_view)
        m_view->showDrive(m_drive);
    Drive1_Change();
}

void ExportDialog::setFolder(const QString& pathOrDrive) {
    QString target;
    const QStringList drives = driveTexts();
    const qsizetype drive = pathOrDrive.isEmpty() ? -1 : drives.indexOf(pathOrDrive);
    if (drive >= 0) {
        target = m_driveFolders[drive];
        if (!isFolder(target))
            target = m_locations.volumes()[drive].rootPath;
    } else {
        target = cleanFolderPath(pathOrDrive, m_folder);
    }
    if (target == m_folder)
        return;
    m_folder = target;
    rememberFolderOfDrive(m_folder);
    if (m_view)
        m_view->showFolder(m_folder);
    Dir1_Change();
}

void ExportDialog::setFileFolder(const QString& folder) {
    const QString target = cleanFolderPath(folder, m_fileFolder);
    if (target == m_fileFolder)
        return;
    m_fileFolder = target;
    if (m_view)
        m_view->showFiles(m_fileFolder);
}

void ExportDialog::rememberFolderOfDrive(const QString& folder) {
    const int drive = m_locations.volumeHolding(folder);
    if (drive >= 0)
        m_driveFolders[drive] = folder;
}

void ExportDialog::Drive1_Change() {
    setFolder(m_drive);
    m_vars.ExportDrive = m_drive;
}

void ExportDialog::Dir1_Change() {
    setFileFolder(m_folder);
    m_vars.ExportPath = m_folder;
}

void ExportDialog::Form_Load() {
    const int start = m_locations.startVolume();
    const QString startDrive = start >= 0 ? driveText(m_locations.volumes()[start]) : QString();
    const bool driveMounted =
        !m_vars.ExportDrive.isEmpty() && m_locations.volumeNamed(m_vars.ExportDrive) >= 0;
    setDrive(driveMounted ? m_vars.ExportDrive : startDrive);
    // Read after the drive step: its handler may have moved the folder list and ExportPath.
    setFolder(isFolder(m_vars.ExportPath) ? m_vars.ExportPath : m_locations.startFolder());
    setFileFolder(isFolder(m_vars.ExportPath) ? m_vars.ExportPath : m_locations.startFolder());
}

std::optional<ExportResult> ExportDialog::Save_Click(ExportNameBox& Text1, DrawingSurface& form,
                                                     const std::function<void()>& yield) {
    if (m_saving || m_controls.closed)
        return std::nullopt;
    m_controls.message.clear();
    if (const QString text = Text1.text(); withDatExtension(text) != text)
        Text1.setText(withDatExtension(text));
    if (const QString text = Text1.text(); withDefaultName(text) != text)
        Text1.setText(withDefaultName(text));

    const QString name = Text1.text();
    const QString path = exportFilePath(m_folder, name);
    m_printedPaths << printablePath(path);
    TextLine(form, m_printedPaths.back());

    if (const auto problem = exportPathProblem(m_folder, name)) {
        ExportResult refused;
        refused.error = *problem;
        m_controls.message = refused.error;
        return refused;
    }
    ExportResult result;
    {
        SavingFlag saving(m_saving);
        result = writeExportFile(path, m_vars, m_random, yield);
    }
    if (!result.SampleKey.isEmpty()) { // the file was opened, so the key was made
        KeyField = result.KeyField;
        SampleKey = result.SampleKey;
    }
    if (result.ok)
        m_controls.savedLine = savedLine(name, printablePath(m_folder));
    if (result.ok || m_cancelAfterSave)
        m_controls.closed = true;
    else
        m_controls.message = result.error;
    return result;
}

QString savedLine(const QString& name, const QString& folder) {
    return QCoreApplication::translate("drevant::ExportDialog", "Saved %1 in %2").arg(name, folder);
}

void ExportDialog::CancelSave_Click() {
    if (!m_saving) // the file is being written; the save closes the dialog when it is done
        m_controls.closed = true;
}

void ExportDialog::cancelWhenIdle() {
    if (m_saving)
        m_cancelAfterSave = true;
    else
        CancelSave_Click();
}

} // namespace drevant
