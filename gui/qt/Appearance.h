#pragma once

class QApplication;
class QString;

namespace corvane::qt {

// Everything about how the program looks, set once after the application
// object exists: the Fusion style (the same on every desktop), a Japanese
// font, Qt's own Japanese texts (file dialogs, edit menus) and the icon.
void SetUpAppearance(QApplication& app);

// The first installed Japanese font family among those the set-up script
// or the desktop usually provides; empty when none is installed.
QString JapaneseFontFamily();

}  // namespace corvane::qt
