// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace drevant {

// A drive list: the volumes the export dialog offers, one of them shown as `Drive`.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    void showDrives(const QStringList& texts);
    // Shows `text` as the current drive without reporting a choice.
    void showDrive(const QString& text);
    QString Drive() const { return currentText(); }

signals:
    // The user picked a drive (the same one again included).
    void driveChosen(const QString& text);
};

} // namespace drevant
