#pragma once

class QApplication;
class QFont;

namespace toolkit {

// The look every window of the program shares: one widget style on every platform
// and the default font. Call once, right after the QApplication is created.
void setup_application(QApplication &app);

// The font the window definition asks for (a 13-pixel sans, regular or bold).
QFont form_font(bool bold = false);

// The toolkit's default font, for controls that set none.
QFont default_font();

} // namespace toolkit
