#pragma once

#include "toolkit/palette.h"

#include <QString>

class QLabel;
class QLineEdit;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace toolkit {

// Thin handles over Qt widgets that speak in the form's terms: positions in twips
// (kept as singles, so fractional twips survive while the widget rounds to pixels),
// colours as 0x00BBGGRR or system-colour values.

class TextBox {
public:
    explicit TextBox(QLineEdit *edit = nullptr)
        : edit_(edit) {}
    QString Text() const;
    void setText(const QString &text);
    Colour BackColor() const { return back_color_; }
    void setBackColor(Colour c);
    QLineEdit *widget() const { return edit_; }

private:
    QLineEdit *edit_;
    Colour back_color_ = system_window_background;
};

class Label {
public:
    Label() = default;
    Label(QLabel *label, float left, float top, float width, float height);
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float left);
    void setTop(float top);
    bool Visible() const;
    void setVisible(bool visible);
    QLabel *widget() const { return label_; }

private:
    void place();
    QLabel *label_ = nullptr;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class Frame {
public:
    Frame() = default;
    Frame(QGroupBox *box, float left, float width)
        : box_(box)
        , left_(left)
        , width_(width) {}
    float Left() const { return left_; }
    float Width() const { return width_; }
    QGroupBox *widget() const { return box_; }

private:
    QGroupBox *box_ = nullptr;
    float left_ = 0, width_ = 0;
};

// A line shape: drawn by the form above its drawn output and below its controls.
struct LineShape {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Colour BorderColor = system_window_text;
};

class OptionButton {
public:
    OptionButton() = default;
    explicit OptionButton(QRadioButton *button)
        : button_(button) {}
    bool Enabled() const;
    void setEnabled(bool enabled);
    bool FontBold() const;
    void setFontBold(bool bold);
    bool Value() const;
    // Setting the value never raises a click.
    void setValue(bool selected);
    QRadioButton *widget() const { return button_; }

private:
    QRadioButton *button_ = nullptr;
};

} // namespace toolkit
