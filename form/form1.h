#pragma once

// How the pieces meet
// -------------------
// Form1 is the one window of the program and owns everything for its life: the controls
// built from the window definition (form1_definition.cpp), the form-level numbers of the
// conversions (one calc::PhasorState, whose members keep the program's variable names),
// the flags that steer the shared procedures, and the six text arrays of the case memory.
//
// A click on Convert(i) runs Convert_Click(i) (form1_convert.cpp): check_the_values(i)
// parses the group through toolkit's number texts, calc's transforms work on the state
// in place, the results are formatted back into the other groups, and plot_phasors
// (form1_plot.cpp) draws the four diagrams on the form's retained canvas. A completed
// drawing autosaves the case (form1_memory.cpp); Option1_Click recalls one.

#include "calc/phasor_state.h"
#include "toolkit/controls.h"
#include "toolkit/form_window.h"

#include <QString>

#include <array>
#include <cstdint>

class QPushButton;

class Form1 : public toolkit::FormWindow {
public:
    explicit Form1(QWidget *parent = nullptr);

    // The window's events.
    void Form_Load();
    void Convert_Click(int Index);
    void CLEAR_Click();
    void Option1_Click(int Index);

    // Procedures of the form.
    void check_the_values(int index);
    void activate_labels();
    void plot_phasors();
    void save_or_recall_case();

    // --- Form-level state -------------------------------------------------------------
    calc::PhasorState phasors;
    float xspacing = 0;     // a quarter of the plot box width
    float radius = 0;       // the 1 per-unit radius of the diagrams
    float littlespace = 0;  // gap between the plot box and the label row
    std::int16_t jslot = 0; // newest saved slot, 0 before the first save
    std::int16_t jpunched = 0;
    bool recall_in_progress = false;
    bool save_case = false;
    bool errors_found = false;

    // The case memory: the six ABC polar texts of each slot; entry 0 is never used.
    std::array<QString, 11> saved_mag_a, saved_mag_b, saved_mag_c;
    std::array<QString, 11> saved_ang_a, saved_ang_b, saved_ang_c;

    // --- Controls ---------------------------------------------------------------------
    toolkit::Frame Polar_ABC, Rectangular_ABC, Polar_012, Rectangular_012, Frame1;
    toolkit::TextBox mag_a, mag_b, mag_c, ang_a, ang_b, ang_c;
    toolkit::TextBox real_a, real_b, real_c, imag_a, imag_b, imag_c;
    toolkit::TextBox mag_0, mag_1, mag_2, ang_0, ang_1, ang_2;
    toolkit::TextBox real_0, real_1, real_2, imag_0, imag_1, imag_2;
    toolkit::Label Letter_A, Letter_B, Letter_C, Positive_label, Negative_label, Zero_label;
    toolkit::Label Label22, Label2;
    toolkit::LineShape *Line1 = nullptr, *Line2 = nullptr, *Line3 = nullptr, *Line4 = nullptr;
    std::array<QPushButton *, 4> Convert{};
    QPushButton *CLEAR = nullptr;
    std::array<toolkit::OptionButton, 11> Option1; // Index 1 to 10

    // The 24 fields in the order the check and the Clear command walk them.
    std::array<toolkit::TextBox *, 24> all_fields();
    // The six fields of a group, in reading order (magnitudes or real parts first).
    std::array<toolkit::TextBox *, 6> group_fields(int index);

private:
    void create_controls();
    void describe_for_screen_readers();
    // The steps of the Convert command.
    void read_group(int Index);
    void convert_group(int Index);
    void write_results(int Index);
    // Draws the phasors of diagram h about its centre.
    void draw_diagram(int h, float xc, float yc, float scale);
};
