#pragma once

class QApplication;
class QFont;

namespace toolkit {

// The look every window of the program shares: one widget style on every platform
// and the default font. Call once, right after the QApplication is created.
void setup_application(QApplication &app);

// Qt wants a private runtime folder: when XDG_RUNTIME_DIR is unset, make one (0700) under
// /tmp and point it there. Call before the QApplication is created.
void ensure_runtime_dir();

// The font the window definition asks for (a 13-pixel sans, regular or bold).
QFont form_font(bool bold = false);

// The toolkit's default font, for controls that set none.
QFont default_font();

} // namespace toolkit
