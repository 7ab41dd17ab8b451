#include "form/form1.h"

#include "calc/phasor.h"
#include "calc/single.h"
#include "form/diagram_outputs.h"
#include "toolkit/palette.h"

#include <cmath>

namespace {

// Draws the phasors of diagram h about its centre.
void draw_diagram(toolkit::Canvas &canvas, const calc::PhasorState &s, float radius, int h,
                  float xc, float yc, float scale) {
    const auto phasor = [&](double re, double im, int colour) {
        canvas.Line(xc, yc, static_cast<float>(xc + radius * re / scale),
                    static_cast<float>(yc - radius * im / scale), toolkit::QBColor(colour));
    };
    const double third = (2 * calc::pi) / 3;
    const double two_thirds = (4 * calc::pi) / 3;
    switch (h) {
    case 0:
        phasor(s.va_real, s.va_imag, 0);
        phasor(s.vb_real, s.vb_imag, 12);
        phasor(s.vc_real, s.vc_imag, 9);
        break;
    case 1: {
        // B and C of the positive sequence: V1 turned back, then forward, by a third of a
        // turn, in working copies as precise as V1's own variables.
        phasor(s.v1_real, s.v1_imag, 0);
        double ang = s.v1_ang - third;
        double re = 0;
        double im = 0;
        calc::polar_to_rect(s.v1_mag, ang, re, im);
        phasor(re, im, 12);
        ang = ang + two_thirds;
        calc::polar_to_rect(s.v1_mag, ang, re, im);
        phasor(re, im, 9);
        break;
    }
    case 2: {
        // The negative sequence turns the other way; V2's angle and imaginary part are
        // singles, and so are their copies.
        phasor(s.v2_real, s.v2_imag, 0);
        float ang = calc::to_single(double(s.v2_ang) + third);
        double re = 0;
        float im = 0;
        calc::polar_to_rect(s.v2_mag, ang, re, im);
        phasor(re, im, 12);
        ang = calc::to_single(double(ang) - two_thirds);
        calc::polar_to_rect(s.v2_mag, ang, re, im);
        phasor(re, im, 9);
        break;
    }
    case 3:
        phasor(s.v0_real, s.v0_imag, 0);
        break;
    default:
        break;
    }
}

} // namespace

void Form1::plot_phasors() {
    toolkit::Canvas &form = canvas();
    const calc::PhasorState &s = phasors_;
    const float radius = state_.radius;
    form.begin_call();

    // The label row's top and the sequence captions' height fix the vertical layout; the
    // captions stay where start-up's activate_labels put them, so they are read once.
    const float PT = Positive_label.Top();
    const float PH = Positive_label.Height();

    // Erase the plot area with a framed button-face box under Line1.
    form.FillColor = toolkit::system_button_face;
    form.Box(Line1->X1, Line1->Y1, Line1->X2, PT + 3 * PH + 2 * radius);
    Label22.setTop(PT + 4 * PH + 2 * radius);
    form.DrawStyle = 0;
    activate_labels();
    form.set_captions(form::plot_captions(*this));

    // One scale for all four diagrams: the longest phase reaches the outer circle.
    const float scale = form::diagram_scale(s);
    if (scale <= 1e-6F) {
        form.end_call();
        model_.set_drawing(form.picture());
        return;
    }

    const float x0 = Polar_ABC.Left() + Polar_ABC.Width() / 2;
    const float dx = Rectangular_ABC.Left() - Polar_ABC.Left();
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
        draw_diagram(form, s, radius, h, xc, yc, scale);
    }
    form.DrawWidth = 1;
    form.end_call();
    model_.set_drawing(form.picture());

    if (!state_.recall_in_progress) {
        state_.save_case = true;
        save_or_recall_case();
    }
}
