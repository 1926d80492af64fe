// SPDX-License-Identifier: GPL-3.0-or-later
#include "output.h"

#include "names.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace drevant::keytool {

void StreamOutput::fail(int error) {
    if (m_failure.isEmpty()) {
        m_failure = error != 0
                        ? QString::fromLocal8Bit(std::strerror(error))
                        : QCoreApplication::translate("KeyTool", "the output could not be written");
    }
}

void StreamOutput::write(const QString& text) {
    if (!m_failure.isEmpty() || text.isEmpty())
        return;
    const QByteArray bytes = nameBytes(text);
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), m_stream) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::ferror(m_stream)) {
        fail(errno);
    }
}

bool StreamOutput::flush() {
    if (!m_failure.isEmpty())
        return false;
    errno = 0;
    if (std::fflush(m_stream) != 0 || std::ferror(m_stream)) {
        fail(errno);
        return false;
    }
    return true;
}

} // namespace drevant::keytool
