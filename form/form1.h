#pragma once

// How the pieces meet
// -------------------
// Form1 is the one window of the program. It keeps the controls built from the window
// definition (form1_definition.cpp, bound to their members in form1.cpp), the procedures of
// the form and the wiring between the rooms around them:
//
//   form::FormModel        the case shown, as data: the 24 texts, each field's mark and its
//                          reason, the values the last check accepted, the held numbers
//                          (calc::PhasorState), the drawing as the canvas recorded it, the
//                          memory selection, and form::FormState's flags and memory.
//   form::FormHistory      one QUndoStack over the model: typing in a field merges into one
//                          command; Clear, a conversion, a recall and a pasted block are one
//                          command over the whole case. Undo puts back what it recorded.
//   form::ScreenReaderText what tooltips and screen readers tell, built from the model.
//   form::DiagramOutputs   the diagrams as one figure: clipboard, files and printer.
//   form::FormActions      the context menu and its actions, enabled from the model.
//   form::CaseKeeping      the cases kept between runs in the memory buttons, the keep switch
//                          and Forget All Cases; form::CaseMemory writes the file on a thread
//                          of its own.
//   form::cell_paste       where a block of pasted cells goes (a pure mapping).
//   form::ReadingRoom      the reading beside the form (its own window): relay quantities,
//                          the superimposed set, the fault reading, the transformer view and
//                          the line-to-line entry; its rows end the results table.
//
// The widgets show the model and report every edit to it at once (form1.cpp): a key typed
// into a field, or a text set there by a program, is a typing command of the history, which
// the model takes. Nothing is read back from a widget.
//
// A click on Convert(i) runs Convert_Click(i) (form1_convert.cpp) inside one step of the
// history: check_the_values(i) reads the group's texts from the model through toolkit's
// number texts and keeps the values it accepts, calc's transforms work on the held numbers in
// place, and the results are formatted back into the model's other groups. plot_phasors
// (form1_plot.cpp) then reads the numbers, places the plot captions (activate_labels,
// form1_labels.cpp), draws the four diagrams on the form's retained canvas and records that
// drawing in the model. A completed drawing autosaves the case; Option1_Click recalls one
// (form1_memory.cpp). The results table, Copy Results and Save Results As are free functions
// of the form (form1_results.h), as the report is (form1_report.h). The window itself (its zoom,
// its light sheet under the diagrams) is toolkit::FormWindow's.
//
// What outlives a run is form::CaseKeeping's: every save also goes to its form::CaseMemory,
// whose cases start-up reads back into the ring, and closing keeps the window's place and size.

#include "calc/phasor_state.h"
#include "form/case_keeping.h"
#include "form/diagram_outputs.h"
#include "form/form_actions.h"
#include "form/form_history.h"
#include "form/form_model.h"
#include "form/form_state.h"
#include "toolkit/controls.h"
#include "toolkit/form_window.h"
#include "toolkit/number_text.h"

#include <QList>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QCloseEvent;
class QPushButton;
class QWidget;

namespace form {
class ReadingRoom;
class ScreenReaderText;
} // namespace form
namespace toolkit {
class Notice;
} // namespace toolkit

class Form1 : public toolkit::FormWindow {
public:
    explicit Form1(QWidget *parent = nullptr);

    // The window's events.
    void Convert_Click(int Index);
    void CLEAR_Click();
    void Option1_Click(int Index);

    // The case shown, and the rooms around it, for the rooms, tests and the replay driver.
    const form::FormModel &model() const { return model_; }
    form::FormHistory &history() { return history_; }
    form::DiagramOutputs &diagrams() { return *diagrams_; }
    form::FormActions &actions() { return *actions_; }
    form::ReadingRoom &reading() const { return *reading_; }
    // The cases kept between runs: tests, benchmarks and the replay driver wait for it.
    form::CaseMemory &case_memory() { return keeping_->memory(); }

    // A short message over the window for a few seconds, spoken by screen readers.
    void notify(const QString &text);
    // The latest message shown since the previous call, or an empty text.
    QString take_notice();

    // A Yes/No question; Yes gives true. Shows a dialog unless a driver answers instead.
    std::function<bool(const QString &question)> ask;

    // The 24 fields in the order the check and the Clear command walk them.
    const std::array<toolkit::TextBox *, 24> &all_fields() const { return fields_; }

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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls of the window definition, their members, and the widgets' link to the
    // model and its history.
    void create_controls();

    // Start-up and the procedures of the form.
    void Form_Load();
    void check_the_values(int index);
    void activate_labels();
    void plot_phasors();
    void save_or_recall_case();

    form::FormModel model_;
    // Views of the model kept under the names the procedures use.
    form::FormState &state_ = model_.state();
    calc::PhasorState &phasors_ = model_.phasors();
    const std::array<toolkit::EntryNumber, 6> &accepted_ = model_.accepted();
    form::FormHistory history_{model_};
    std::array<toolkit::TextBox *, 24> fields_{};
    // The rooms, children of the window.
    form::ScreenReaderText *screen_reader_ = nullptr;
    form::DiagramOutputs *diagrams_ = nullptr;
    form::FormActions *actions_ = nullptr;
    form::ReadingRoom *reading_ = nullptr;
    toolkit::Notice *notice_ = nullptr;
    QString latest_notice_; // since the last take_notice()

    std::unique_ptr<form::CaseKeeping> keeping_;
};

// The six fields of a group of the window, in reading order (magnitudes or real parts first).
std::array<toolkit::TextBox *, 6> group_fields(const Form1 &form, int index);
// The sheet the diagrams and their captions stand on; it carries their description and
// tooltip.
const QWidget *plot_area(const Form1 &form);
