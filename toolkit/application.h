#pragma once

class QApplication;
class QFont;
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

// The look every window of the program shares: one widget style on every platform
// and the default font. Call once, right after the QApplication is created.
void setup_application(QApplication &app);

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
