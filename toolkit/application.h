#pragma once

#include <optional>

class QApplication;
class QFont;
class QLocale;
class QScreen;
class QSize;
class QWidget;

namespace toolkit {

// Names the program, for the version text, the window system and the settings: organisation
// and application both "trivane", and the version it was built as. Call first in main, before
// the QApplication exists; the default QSettings is then
// $XDG_CONFIG_HOME/trivane/trivane.conf (~/.config/trivane/trivane.conf), whichever binary
// runs.
void name_application();

// The look every window of the program shares: one widget style on every platform, the
// default font, the catalogues of the desktop's language (install_translations) and a
// left-to-right layout. Call once, right after the QApplication is created.
void setup_application(QApplication &app);

// The language the window's texts are translated to: the first of the locale's UI languages,
// or none where that is English or unset (the program's texts are English).
std::optional<QLocale> translated_language(const QLocale &locale);

// Installs the program's catalogue (trivane_LANG.qm, compiled in under :/i18n) and Qt's own
// qtbase catalogue for its dialogs, for translated_language(locale); nothing under English or
// when the application has them already. Gives how many the application has.
int install_translations(const QLocale &locale);

// The font the window definition asks for (a 13-pixel sans, regular or bold).
QFont form_font(bool bold = false);

// The toolkit's default font, for controls that set none.
QFont default_font();

// The desktop's font, as the application had it before setup_application set the
// program's own; a test may set another.
void set_desktop_font(const QFont &font);
// The zoom a form opens at: the desktop font's size in pixels over 12 pixels (the 9 points
// at 96 dpi that Qt gives when the desktop sets no font), within the screen's free area;
// never below 1.
double opening_zoom(const QScreen *screen, QSize defined_size);

} // namespace toolkit
