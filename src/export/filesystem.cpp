// SPDX-License-Identifier: GPL-3.0-or-later
// The part of reading a file that is the same on every system: the size limit and the loop
// that reads until the end, given the system's own read call.
#include "filesystem.h"

namespace drevant {

RawFile readOpenedFile(qint64 size, qint64 maxBytes, const ReadSome& readSome) {
    RawFile out;
    out.status = RawFile::Read;
    if (size > maxBytes) {
        out.status = RawFile::TooLarge;
        out.size = size;
        return out;
    }
    out.bytes = QByteArray(maxBytes + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < out.bytes.size()) {
        const qint64 n = readSome(out.bytes.data() + filled, out.bytes.size() - filled);
        if (n < 0) {
            out.status = RawFile::CannotRead;
            out.systemError = lastSystemError();
            out.bytes.clear();
            return out;
        }
        if (n == 0)
            break;
        filled += n;
    }
    out.bytes.truncate(filled);
    return out;
}

} // namespace drevant
