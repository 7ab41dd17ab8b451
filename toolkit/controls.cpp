#include "toolkit/controls.h"

#include "toolkit/twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>

namespace toolkit {

QString TextBox::Text() const {
    return edit_->text();
}

void TextBox::setText(const QString &text) {
    edit_->setText(text);
}

void TextBox::setBackColor(Colour c) {
    back_color_ = c;
    // System colours resolve against the application's palette for text boxes.
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Base, to_qcolor(c, QApplication::palette(edit_)));
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
    label_->setGeometry(twips_rect(left_, top_, width_, height_));
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
