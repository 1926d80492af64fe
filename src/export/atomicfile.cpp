// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"

#include "platformfile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

namespace drevant {

namespace {

// ".drevant-" and eight random letters or digits: never ending in ".dat", so the dialog's
// file list does not show it while it exists.
QString temporaryName() {
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = QStringLiteral(".drevant-");
    for (int i = 0; i < 8; ++i)
        name += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(36)]);
    return name;
}

// Follows symbolic links as far as they go, so that saving over a link replaces the file it
// names and keeps the link.
QString resolvedTarget(const QString& path) {
    QFileInfo info(path);
    if (!info.isSymLink())
        return path; // as given: QFileInfo would turn the bytes of a non-UTF-8 name into U+FFFD
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

} // namespace

AtomicFile::AtomicFile(const QString& path) : m_target(resolvedTarget(path)) {}

AtomicFile::~AtomicFile() {
    cancel();
}

bool AtomicFile::fail(int systemError) {
    m_error = qt_error_string(systemError);
    return false;
}

bool AtomicFile::open() {
    bool exists = false;
    if (const auto problem = platformfile::replaceProblem(m_target, exists)) {
        m_error = *problem;
        return false;
    }

    // The folder with its last "/" ("" for a bare name: the working folder), cut from the name
    // itself (not through QFileInfo), so that its bytes stay as they are.
    const QString folder = m_target.left(m_target.lastIndexOf(u'/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = folder + temporaryName();
        switch (platformfile::createNew(m_file, candidate, m_target, m_error)) {
        case platformfile::Creation::Created:
            m_temporaryPath = candidate;
            return true;
        case platformfile::Creation::Failed:
            return false;
        case platformfile::Creation::Refused:
            // A folder where no file may be created, a file that may be written: in place.
            if (!exists || !platformfile::openInPlace(m_file, m_target, m_error))
                return false;
            m_inPlace = true;
            return true;
        case platformfile::Creation::NameTaken:
            break;
        }
    }
    return fail(EEXIST);
}

bool AtomicFile::commit() {
    if ((m_temporaryPath.isEmpty() && !m_inPlace) || !m_file.isOpen())
        return fail(EBADF);
    errno = 0;
    if (!m_file.flush()) {
        const int error = errno;
        m_error = error != 0 ? qt_error_string(error) : m_file.errorString();
        cancel();
        return false;
    }
    // On disk before the rename.
    if (!platformfile::syncToDisk(m_file, m_error)) { // mutants: skip (fails on a disk fault only)
        cancel();
        return false;
    }
    m_file.close();
    if (m_inPlace)
        return true;
    if (!platformfile::replaceWith(m_temporaryPath, m_target, m_error)) {
        cancel();
        return false;
    }
    m_temporaryPath.clear();
    return true;
}

void AtomicFile::cancel() {
    if (m_file.isOpen())
        m_file.close();
    if (!m_temporaryPath.isEmpty()) {
        platformfile::removeQuietly(m_temporaryPath);
        m_temporaryPath.clear();
    }
}

} // namespace drevant
