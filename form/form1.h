#pragma once

// How the pieces meet
// -------------------
// Form1 is the one window of the program and owns everything for its life: the controls
// built from the window definition (form1_definition.cpp, bound to their members in
// form1.cpp), the form-level numbers of the conversions (one calc::PhasorState, whose
// members keep the program's variable names), and one form::FormState beside it for the
// plot geometry, the flags that steer the shared procedures and the case memory.
//
// A click on Convert(i) runs Convert_Click(i) (form1_convert.cpp): check_the_values(i)
// reads the group's texts through toolkit's number texts and keeps the values it accepts,
// calc's transforms work on the state in place, and the results are formatted back into
// the other groups. plot_phasors (form1_plot.cpp) then reads the state, places the plot
// captions (activate_labels, form1_labels.cpp) and draws the four diagrams on the form's
// retained canvas. A completed drawing autosaves the case; Option1_Click recalls one
// (form1_memory.cpp). What screen readers and tooltips tell (the reason for a mark, the
// picture, each memory slot's case, the unbalance) is in form1_accessibility.cpp, worded by
// form1_descriptions.cpp. Return in a field, pasted blocks of cells and the Copy Results and
// Copy Diagrams commands are in form1_clipboard.cpp. The window itself (its zoom, its light
// sheet under the diagrams) is toolkit::FormWindow's.
//
// What outlives a run is in form1_keep.cpp: every save also goes to form::MemoryStore's file,
// which start-up reads back into the ring, and closing keeps the window's place and size.
// One undo for the whole form (form1_undo.cpp): Clear, a Convert, a recall and a pasted
// block each become one step of a QUndoStack that holds the 24 texts and marks before and
// after, which Ctrl+Z takes back once the focused field has nothing of its own to undo.

#include "calc/phasor_state.h"
#include "form/form_state.h"
#include "form/memory_store.h"
#include "toolkit/controls.h"
#include "toolkit/figure.h"
#include "toolkit/form_window.h"
#include "toolkit/number_text.h"

#include <QList>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCloseEvent;
class QContextMenuEvent;
class QMenu;
class QUndoStack;
class QPrinter;
class QPushButton;
class QRect;
class QWidget;

namespace form {
struct ControlDef;
struct ResultsTable;
} // namespace form
namespace toolkit {
class Sheet;
class EntryField;
class Notice;
class Announcement;
} // namespace toolkit

class Form1 : public toolkit::FormWindow {
public:
    explicit Form1(QWidget *parent = nullptr);

    // The window's events.
    void Convert_Click(int Index);
    void CLEAR_Click();
    void Option1_Click(int Index);

    // What the window holds, for tests and the replay driver to read.
    const calc::PhasorState &phasors() const { return phasors_; }
    const form::FormState &state() const { return state_; }
    // The sheet the diagrams and their captions stand on; it carries their description and
    // tooltip.
    const QWidget *plot_area() const;

    // A short message over the window for a few seconds, spoken by screen readers.
    void notify(const QString &text);
    // A message that screen readers speak at once and the window does not show.
    void announce(const QString &text);
    // The latest message shown since the previous call, or an empty text.
    QString take_notice();

    // A Yes/No question; Yes gives true. Shows a dialog unless a driver answers instead.
    std::function<bool(const QString &question)> ask;
    // The context menu of the window, as the right mouse button opens it (unshown).
    QMenu *context_menu();
    // Puts the window where it was closed last, and at that size, on a screen that exists.
    void restore_geometry();
    // The results table as comma-separated values into the file at path, written whole; a
    // failure, or no results to save, is told in the notice.
    void save_results(const QString &path);
    // The diagrams with their captions and scale note, as a picture of their own; saved to a
    // PNG, SVG or PDF file by the name's extension (a problem is told through notify), or
    // printed. Nothing happens while nothing is drawn.
    bool has_drawing() const;
    toolkit::Figure diagrams_figure() const;
    void save_diagrams(const QString &path);
    void print_diagrams(QPrinter &printer);

    // The 24 fields in the order the check and the Clear command walk them.
    const std::array<toolkit::TextBox *, 24> &all_fields() const { return fields_; }
    // The six fields of a group, in reading order (magnitudes or real parts first).
    std::array<toolkit::TextBox *, 6> group_fields(int index) const;

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
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The look of the 24 fields: their texts and error marks.
    struct FieldLook {
        QString text;
        toolkit::Colour back = 0;
        QString reason;
        bool operator==(const FieldLook &) const = default;
    };
    struct FormLook {
        std::array<FieldLook, 24> fields;
        bool errors_found = false;
    };
    class FormChange;
    // Everything done while one is alive is one step of the form's undo, named by the
    // outermost (a Convert inside a Clear or a recall is part of it).
    class OneChange {
    public:
        OneChange(Form1 &form, const QString &name);
        ~OneChange();
        OneChange(const OneChange &) = delete;
        OneChange &operator=(const OneChange &) = delete;

    private:
        Form1 &form_;
    };
    FormLook look() const;
    // Shows `to`; a field that `from` shows alike keeps its text and its own undo.
    void show_look(const FormLook &to, const FormLook &from);
    void set_up_undo();

    // What outlives a run (form1_keep.cpp).
    void set_up_keeping();
    void restore_memory();
    void keep_case(const form::SavedCase &saved);
    void forget_all_cases();
    // One line on standard error and the same in a notice.
    void tell_store_problem(const QString &line, const QString &notice);

    void create_controls();
    void bind(const form::ControlDef &def, QWidget *widget);
    float plot_bottom() const;

    // The results as a table, and the plot area as a picture, onto the clipboard
    // (form1_clipboard.cpp). Copying results does nothing unless the last conversion
    // showed some.
    void copy_results();
    void copy_diagrams();
    // The one table of results that Copy Results and Save Results As write: a header row,
    // the six phasors, the two ratios and, for a set that turns A-C-B, the phase order.
    form::ResultsTable results_table() const;
    void ask_and_save_results();
    // Save Diagrams As and Print Diagrams (form1_diagrams.cpp).
    void set_up_diagram_outputs();
    void enable_diagram_outputs(bool enabled);
    std::vector<toolkit::Caption> plot_captions() const;

    // What screen readers and tooltips tell beyond the captions (form1_accessibility.cpp).
    void describe_for_screen_readers();
    void create_plot_area();
    // Why a field is marked, or nothing once the mark is gone.
    void explain_mark(toolkit::TextBox &field, const QString &reason);
    // The picture after a drawing: its scale and phasors, or why nothing is drawn.
    void describe_drawing(float scale);
    void describe_slot(int slot);
    // The outcome of the Convert command, spoken as it happens: the group converted, or the
    // field that stopped it and why.
    void announce_outcome(int Index);
    void set_up_keys_and_clipboard();
    // Text pasted into field k of all_fields(): one value goes in at the cursor, a block
    // of cells fills the field's group.
    void paste_into(int k, toolkit::EntryField &field, const QString &text);

    // Start-up and the procedures of the form.
    void Form_Load();
    void check_the_values(int index);
    void activate_labels();
    void plot_phasors();
    void save_or_recall_case();

    // The steps of the Convert command.
    void read_group(int Index);
    void convert_group(int Index);
    void write_results(int Index);
    // Draws the phasors of diagram h about its centre.
    void draw_diagram(int h, float xc, float yc, float scale);
    // The two things the case memory does.
    void save_in_next_slot();
    void recall_slot(int slot);

    calc::PhasorState phasors_;
    form::FormState state_;
    // The values check_the_values accepted in the checked group, in reading order.
    std::array<toolkit::EntryNumber, 6> accepted_{};
    std::array<toolkit::TextBox *, 24> fields_{};
    // The sheet: what screen readers and tooltips tell of the diagrams.
    toolkit::Sheet *plot_area_ = nullptr;
    toolkit::Notice *notice_ = nullptr;
    toolkit::Announcement *announcement_ = nullptr;
    QString latest_notice_; // since the last take_notice()
    QAction *copy_results_action_ = nullptr;
    QAction *copy_diagrams_action_ = nullptr;

    QUndoStack *undo_stack_ = nullptr;
    QAction *undo_action_ = nullptr;
    QAction *redo_action_ = nullptr;
    int change_depth_ = 0;
    QString change_name_;
    FormLook change_before_;

    std::unique_ptr<form::MemoryStore> store_;
    QAction *keep_action_ = nullptr;
    QAction *forget_action_ = nullptr;
    bool told_not_kept_ = false;
    QAction *save_results_action_ = nullptr;
    QAction *save_diagrams_action_ = nullptr;
    QAction *print_diagrams_action_ = nullptr;
};
