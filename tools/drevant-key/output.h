// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace drevant::keytool {

// Where the tool's text goes: standard output, standard error, or a string in the tests.
// Text is written as UTF-8, and the raw bytes of file names (see nameFromBytes) as the bytes
// they are. A write that fails is remembered; ok() and flush() say whether all went out.
class TextOutput {
public:
    virtual ~TextOutput() = default;
    virtual void write(const QString& text) = 0;
    // Pushes everything out and reports whether every write so far succeeded.
    virtual bool flush() = 0;
    // Why a write failed (empty while none did).
    virtual QString failure() const = 0;

    TextOutput& operator<<(const QString& text) {
        write(text);
        return *this;
    }
    TextOutput& operator<<(const char* text) {
        write(QString::fromUtf8(text));
        return *this;
    }
    TextOutput& operator<<(char c) {
        write(QString(QLatin1Char(c)));
        return *this;
    }
};

// Writes to a C stream (stdout, stderr), checking every write and the final flush.
class StreamOutput final : public TextOutput {
public:
    explicit StreamOutput(std::FILE* stream) : m_stream(stream) {}
    void write(const QString& text) override;
    bool flush() override;
    QString failure() const override { return m_failure; }

private:
    void fail(int error);
    std::FILE* m_stream;
    QString m_failure;
};

// Collects the text (tests).
class StringOutput final : public TextOutput {
public:
    void write(const QString& text) override { m_text += text; }
    bool flush() override { return true; }
    QString failure() const override { return QString(); }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The command line's arguments as names: bytes on POSIX (see nameFromBytes), the UTF-16
// command line on Windows, where argv holds only the ANSI code page. In console_posix.cpp or
// console_windows.cpp, with the two functions below.
QStringList commandLineArguments(int argc, char* argv[]);

// Whether file descriptor 1 is open: with standard output closed, a file the tool opens
// could take its number and receive the output.
bool standardOutputIsOpen();

// Puts /dev/null (NUL) on descriptors 0 and 2 where they are closed, for the same reason. On
// Windows it also makes standard output and error binary, so that they get the same bytes
// as on Linux (no "\r" before each "\n"), and the console shows UTF-8.
void occupyClosedStandardDescriptors();

} // namespace drevant::keytool
