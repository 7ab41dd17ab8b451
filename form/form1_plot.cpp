#include "form/form1.h"

#include "calc/phasor.h"
#include "toolkit/palette.h"

#include <cmath>

void Form1::plot_phasors() {
    toolkit::Canvas &form = canvas();
    form.begin_call();

    // Erase the plot area with a framed button-face box under Line1.
    form.FillColor = toolkit::system_button_face;
    float PT = Positive_label.Top();
    float PH = Positive_label.Height();
    form.Box(Line1->X1, Line1->Y1, Line1->X2, PT + 3 * PH + 2 * radius);
    PT = Positive_label.Top();
    PH = Positive_label.Height();
    Label22.setTop(PT + 4 * PH + 2 * radius);
    form.DrawStyle = 0;
    activate_labels();

    // One scale for all four diagrams: the longest phase reaches the outer circle. A
    // negative magnitude only turns its phasor, so the lengths are compared.
    const calc::PhasorState &s = phasors;
    float scale = calc::to_single(std::abs(s.va_mag));
    if (std::abs(s.vb_mag) > double(scale))
        scale = calc::to_single(std::abs(s.vb_mag));
    if (std::abs(s.vc_mag) > double(scale))
        scale = calc::to_single(std::abs(s.vc_mag));
    if (scale <= 1e-6F)
        return;

    const float x0 = Polar_ABC.Left() + Polar_ABC.Width() / 2;
    const float dx = Rectangular_ABC.Left() - Polar_ABC.Left();
    PT = Positive_label.Top();
    PH = Positive_label.Height();
    const float yc = PT + 2 * PH + radius;
    form.FillStyle = 0;

    for (int h = 0; h <= 3; ++h) {
        form.DrawStyle = 0;
        form.DrawWidth = 1;
        form.FillColor = toolkit::QBColor(15);
        const float xc = x0 + static_cast<float>(h) * dx;
        form.Circle(xc, yc, radius);
        form.DrawStyle = 2;
        for (double ring : {0.8, 0.6, 0.4, 0.2})
            form.Circle(xc, yc, static_cast<float>(ring * radius));
        form.DrawStyle = 0;
        form.DrawWidth = 2;
        draw_diagram(h, xc, yc, scale);
    }
    form.DrawWidth = 1;

    if (!recall_in_progress) {
        save_case = true;
        save_or_recall_case();
    }
    recall_in_progress = false;
}

void Form1::draw_diagram(int h, float xc, float yc, float scale) {
    calc::PhasorState &s = phasors;
    const auto phasor = [&](double re, double im, int colour) {
        canvas().Line(xc, yc, static_cast<float>(xc + radius * re / scale),
                      static_cast<float>(yc - radius * im / scale), toolkit::QBColor(colour));
    };
    const double third = (2 * s.pi) / 3;
    const double two_thirds = (4 * s.pi) / 3;
    switch (h) {
    case 0:
        phasor(s.va_real, s.va_imag, 0);
        phasor(s.vb_real, s.vb_imag, 12);
        phasor(s.vc_real, s.vc_imag, 9);
        break;
    case 1:
        // B and C of the positive sequence: V1 turned back and forward by a third of a
        // turn, written into V1's own variables.
        phasor(s.v1_real, s.v1_imag, 0);
        s.v1_ang = s.v1_ang - third;
        calc::polar_to_rect(s.v1_mag, s.v1_ang, s.v1_real, s.v1_imag);
        phasor(s.v1_real, s.v1_imag, 12);
        s.v1_ang = s.v1_ang + two_thirds;
        calc::polar_to_rect(s.v1_mag, s.v1_ang, s.v1_real, s.v1_imag);
        phasor(s.v1_real, s.v1_imag, 9);
        break;
    case 2:
        phasor(s.v2_real, s.v2_imag, 0);
        s.v2_ang = calc::to_single(double(s.v2_ang) + third);
        calc::polar_to_rect(s.v2_mag, s.v2_ang, s.v2_real, s.v2_imag);
        phasor(s.v2_real, s.v2_imag, 12);
        s.v2_ang = calc::to_single(double(s.v2_ang) - two_thirds);
        calc::polar_to_rect(s.v2_mag, s.v2_ang, s.v2_real, s.v2_imag);
        phasor(s.v2_real, s.v2_imag, 9);
        break;
    case 3:
        phasor(s.v0_real, s.v0_imag, 0);
        break;
    default:
        break;
    }
}
