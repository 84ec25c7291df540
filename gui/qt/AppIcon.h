#pragma once

#include <QIcon>
#include <QPixmap>

namespace corvane::qt {

// The program's icon, drawn: a payroll sheet turning into the intermediate
// file, on a blue tile.
QIcon AppIcon();
QPixmap AppIconPixmap(int size);

// The tall picture at the left edge of the start page.
QPixmap StartPicture(QSize size);

}  // namespace corvane::qt
