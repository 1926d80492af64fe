// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;

namespace drevant {

// A short help: how a titration goes, the keys, what the export file is for, the version
// and the licence. One window for the program, opened with F1 from any window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Lets F1 open the help from `window`.
    static void install(QWidget& window);
    // The help window, made when first asked for.
    static HelpWindow& instance();
    static void open();

    QString helpText() const;

private:
    QTextBrowser* m_text = nullptr;
};

} // namespace drevant
