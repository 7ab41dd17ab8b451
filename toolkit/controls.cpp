#include "toolkit/controls.h"

#include "toolkit/form_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>

#include <algorithm>
#include <initializer_list>

namespace toolkit {

namespace {

// Drops colour roles from a widget's own palette: it takes them from its container again,
// at the time it paints.
void inherit_roles(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles) {
    const QPalette own = widget->palette();
    QPalette kept;
    for_each_colour([&](QPalette::ColorGroup group, QPalette::ColorRole role) {
        if (own.isBrushSet(group, role) &&
            std::find(roles.begin(), roles.end(), role) == roles.end())
            kept.setBrush(group, role, own.brush(group, role));
    });
    widget->setPalette(kept);
}

} // namespace

QString TextBox::Text() const {
    return edit_->text();
}

void TextBox::setText(const QString &text) {
    edit_->setText(text);
}

void TextBox::setBackColor(Colour c) {
    back_color_ = c;
    if (c == system_window_background) {
        // The field's own base colour: it follows the theme.
        inherit_roles(edit_, {QPalette::Base, QPalette::Text});
        return;
    }
    // A colour of the program's choosing keeps a text that reads on it in any theme.
    QPalette palette = edit_->palette();
    const QColor back = to_qcolor(c, palette);
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, text_colour_on(back));
    edit_->setPalette(palette);
}

Label::Label(QLabel *label, float left, float top, float width, float height)
    : label_(label)
    , left_(left)
    , top_(top)
    , width_(width)
    , height_(height) {
    place();
}

void Label::setLeft(float left) {
    left_ = left;
    place();
}

void Label::setTop(float top) {
    top_ = top;
    place();
}

void Label::place() {
    toolkit::place(label_, left_, top_, width_, height_);
}

bool Label::Visible() const {
    return !label_->isHidden();
}

void Label::setVisible(bool visible) {
    label_->setVisible(visible);
}

bool OptionButton::Enabled() const {
    return button_->isEnabled();
}

void OptionButton::setEnabled(bool enabled) {
    button_->setEnabled(enabled);
}

bool OptionButton::FontBold() const {
    return button_->font().bold();
}

void OptionButton::setFontBold(bool bold) {
    QFont font = button_->font();
    font.setBold(bold);
    button_->setFont(font);
}

bool OptionButton::Value() const {
    return button_->isChecked();
}

void OptionButton::setValue(bool selected) {
    // An auto-exclusive button refuses to be unchecked while it is the checked one.
    const bool exclusive = button_->autoExclusive();
    button_->setAutoExclusive(false);
    button_->setChecked(selected);
    button_->setAutoExclusive(exclusive);
}

} // namespace toolkit
