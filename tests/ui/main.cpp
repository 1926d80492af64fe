// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for every widget test in this binary, on the offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says, for every window, that it cannot raise windows or pass on size
// hints; that is noise here, everything else is shown.
QtMessageHandler defaultHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    defaultHandler = qInstallMessageHandler(quietOffscreen);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
