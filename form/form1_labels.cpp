#include "form/form1.h"

namespace {

double middle(const toolkit::Frame &frame) {
    return frame.Left() + frame.Width() / 2.0F;
}

} // namespace

void Form1::activate_labels() {
    // The middle letter stands over the phase diagram's centre, the other two half a
    // letter width beyond it on either side.
    Letter_B.setLeft(static_cast<float>(middle(Polar_ABC) - 0.5 * Letter_A.Width()));
    Letter_A.setLeft(static_cast<float>(Letter_B.Left() - 1.5 * Letter_A.Width()));
    Letter_C.setLeft(static_cast<float>(Letter_B.Left() + 1.5 * Letter_A.Width()));
    Letter_A.setTop(Line1->Y1 + state_.littlespace);
    Letter_B.setTop(Letter_A.Top());
    Letter_C.setTop(Letter_A.Top());
    Positive_label.setLeft(
        static_cast<float>(middle(Rectangular_ABC) - Positive_label.Width() / 2.0F));
    Negative_label.setLeft(static_cast<float>(middle(Polar_012) - Negative_label.Width() / 2.0F));
    Zero_label.setLeft(static_cast<float>(middle(Rectangular_012) - Zero_label.Width() / 2.0F));
    Positive_label.setTop(Letter_A.Top());
    Negative_label.setTop(Letter_A.Top());
    Zero_label.setTop(Letter_A.Top());
    for (toolkit::Label *label :
         {&Letter_A, &Letter_B, &Letter_C, &Positive_label, &Negative_label, &Zero_label, &Label22})
        label->setVisible(true);
}
