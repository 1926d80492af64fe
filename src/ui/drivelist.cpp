// SPDX-License-Identifier: GPL-3.0-or-later
#include "drivelist.h"

namespace drevant {

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // `activated` comes only from the user, never from showDrive.
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(itemText(index)); });
}

void DriveList::showDrives(const QStringList& texts) {
    const QString current = currentText();
    clear();
    addItems(texts);
    showDrive(current);
}

void DriveList::showDrive(const QString& text) {
    setCurrentIndex(findText(text));
}

} // namespace drevant
