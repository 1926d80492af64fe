// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

namespace drevant {

// A file written beside its target under a short temporary name of its own and put in place
// by a rename only when complete, so the target is either the old file or the whole new one.
// The temporary name has a fixed length whatever the target's name, so a target whose name
// is as long as the file system allows can be replaced too. A temporary file that is not
// committed is removed (also when an exception leaves the writer).
//
// Only when the folder refuses a new file (no right to create one there) while the target
// exists and may be written, as with hand-in files a teacher made in a locked folder, is the
// target written in place instead: emptied, written and flushed with the same checks, but
// not atomically, so a failure part-way leaves it incomplete (writesInPlace() tells).
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file, with the existing target's permissions if there is one.
    bool open();
    // Where the contents are written, open after a successful open().
    QFile& device() { return m_file; }
    // Flushes and syncs the temporary file, then renames it over the target.
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void cancel();

    // Whether the target itself is being written (see above), after a successful open().
    bool writesInPlace() const { return m_inPlace; }

    // Why the last step failed, in the system's words ("Permission denied").
    const QString& errorString() const { return m_error; }

private:
    bool fail(int systemError);

    QString m_target; // the file that is finally replaced, symbolic links followed
    QString m_temporaryPath;
    QFile m_file;
    QString m_error;
    bool m_inPlace = false;
};

} // namespace drevant
