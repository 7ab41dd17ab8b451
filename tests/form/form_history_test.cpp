// The form's history over a model alone, without a window.
#include "form/cell_paste.h"
#include "form/form_history.h"
#include "form/form_model.h"

#include <QAction>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

using form::FormHistory;
using form::FormModel;

// A change of the whole case as a procedure makes one: texts, a mark and its reason, the
// held numbers, the selection and a drawing.
void convert_like(FormHistory &history, FormModel &model, const QString &result,
                  const QString &reason = QString()) {
    const FormHistory::Step step(history, QStringLiteral("Convert"));
    for (int k = 6; k < 24; ++k)
        model.set_text(k, result);
    model.set_mark(
        3, reason.isEmpty() ? toolkit::system_window_background : toolkit::error_light_red, reason);
    model.state().errors_found = !reason.isEmpty();
    model.state().has_results = reason.isEmpty();
    model.phasors().va_mag = result.toDouble();
    model.set_selected(0);
    toolkit::Canvas::Picture drawing;
    toolkit::DrawOp circle;
    circle.kind = toolkit::DrawOp::Kind::Circle;
    circle.r = float(result.size());
    drawing.last_call.push_back(circle);
    drawing.display = drawing.last_call;
    model.set_drawing(drawing);
}

// State: a result field typed into, then the key in another field.
// Expected: undo takes the typing back and redo makes it again, whichever field has the
// focus: nothing typed is lost to a field's own history.
TEST(FormHistory, typing_is_one_command_per_field_and_never_lost) {
    FormModel model;
    FormHistory history(model);
    history.typed(13, QStringLiteral("9"));
    history.typed(13, QStringLiteral("95"));
    history.typed(14, QStringLiteral("1"));
    EXPECT_EQ(history.stack().count(), 2);
    history.stack().undo();
    history.stack().undo();
    EXPECT_EQ(model.text(13), QString());
    EXPECT_EQ(model.text(14), QString());
    history.stack().redo();
    EXPECT_EQ(model.text(13), QStringLiteral("95"));
    EXPECT_EQ(history.undo_action()->text(), QStringLiteral("Undo Typing"));
}

// State: "55" typed after a conversion.
// Action: undo twice (the typing, then the conversion), then redo.
// Expected: redo makes the conversion again, without the "55": redo runs in the reverse order
// of undo, each command from the state it recorded.
TEST(FormHistory, redo_runs_in_the_reverse_order_of_undo) {
    FormModel model;
    FormHistory history(model);
    convert_like(history, model, QStringLiteral("1.00E+00"));
    const form::ShownCase converted = model.shown();
    history.typed(0, QStringLiteral("55"));
    history.stack().undo();
    history.stack().undo();
    EXPECT_EQ(model.text(6), QString());
    history.stack().redo();
    EXPECT_TRUE(model.shown() == converted);
    EXPECT_EQ(model.text(0), QString());
    history.stack().redo();
    EXPECT_EQ(model.text(0), QStringLiteral("55"));
}

// State: a conversion that marked a field with its reason, then one that cleared it.
// Expected: undo brings the mark back with its reason, the error flag, the held numbers, the
// results flag, the drawing and the selection; redo takes them away again.
TEST(FormHistory, undo_restores_the_whole_case_with_the_reasons) {
    FormModel model;
    FormHistory history(model);
    model.set_selected(4);
    convert_like(history, model, QStringLiteral("x"), QStringLiteral("Not a number"));
    const form::ShownCase marked = model.shown();
    int reasons_told = 0;
    QObject::connect(&model, &FormModel::mark_changed, &model,
                     [&](int k) { reasons_told += k == 3 ? 1 : 0; });
    convert_like(history, model, QStringLiteral("2.00E+00"));
    ASSERT_EQ(model.mark(3).reason, QString());
    history.stack().undo();
    EXPECT_EQ(model.mark(3).reason, QStringLiteral("Not a number"));
    EXPECT_EQ(model.mark(3).back, toolkit::error_light_red);
    EXPECT_TRUE(model.state().errors_found);
    EXPECT_FALSE(model.state().has_results);
    EXPECT_EQ(model.phasors().va_mag, marked.phasors.va_mag);
    EXPECT_TRUE(model.drawing() == marked.drawing);
    EXPECT_TRUE(model.shown() == marked);
    EXPECT_EQ(reasons_told, 2);
    history.stack().redo();
    EXPECT_EQ(model.mark(3).reason, QString());
    EXPECT_EQ(model.phasors().va_mag, 2.0);
}

// Expected: a step that changed nothing, a text typed as it stood, and typing erased again
// leave no command to undo.
TEST(FormHistory, a_change_that_changed_nothing_adds_no_step) {
    FormModel model;
    FormHistory history(model);
    convert_like(history, model, QStringLiteral("1"));
    ASSERT_EQ(history.stack().count(), 1);
    convert_like(history, model, QStringLiteral("1"));
    { const FormHistory::Step nothing(history, QStringLiteral("Recall")); }
    history.typed(0, model.text(0));
    EXPECT_EQ(history.stack().count(), 1);
    history.typed(2, QStringLiteral("7"));
    history.typed(2, QString());
    EXPECT_EQ(history.stack().count(), 1);
    EXPECT_EQ(history.undo_action()->text(), QStringLiteral("Undo Convert"));
}

// Expected: undo leaves the memory and the flags that steer the procedures alone.
TEST(FormHistory, undo_leaves_the_memory_and_the_recall_state) {
    FormModel model;
    FormHistory history(model);
    convert_like(history, model, QStringLiteral("3"));
    model.state().jslot = 3;
    model.state().saved[3].texts[0] = QStringLiteral("3");
    model.state().recall_in_progress = true;
    history.stack().undo();
    EXPECT_EQ(model.state().jslot, 3);
    EXPECT_EQ(model.state().saved[3].texts[0], QStringLiteral("3"));
    EXPECT_TRUE(model.state().recall_in_progress);
}

struct PasteRow {
    const char *name;
    QList<QStringList> cells;
    int start;
    std::vector<std::pair<int, QString>> texts;
    qsizetype dropped_rows, dropped_columns;
    const char *notice;
};

class CellPaste : public testing::TestWithParam<PasteRow> {};

// Expected: the block fills the group from the start field rightwards and downwards, an
// empty cell leaves its field alone, cells are cleaned, and what falls beyond is counted.
TEST_P(CellPaste, maps_a_block_onto_the_group) {
    const PasteRow &row = GetParam();
    const form::CellPaste paste = form::cell_paste(row.cells, row.start);
    EXPECT_EQ(paste.texts, row.texts);
    EXPECT_EQ(paste.dropped_rows, row.dropped_rows);
    EXPECT_EQ(paste.dropped_columns, row.dropped_columns);
    EXPECT_EQ(form::dropped_cells(paste), QString::fromUtf8(row.notice));
}

INSTANTIATE_TEST_SUITE_P(
    Form, CellPaste,
    testing::Values(
        PasteRow{"whole_group_from_mag_a",
                 {{"2", "-30"},
                  {"3", "40"},
                  {"4", "\u2212"
                        "50"}},
                 0,
                 {{0, "2"}, {3, "-30"}, {1, "3"}, {4, "40"}, {2, "4"}, {5, "-50"}},
                 0,
                 0,
                 ""},
        PasteRow{"from_the_last_row_of_012_rectangular",
                 {{"1", "2", "3"}, {"4", ""}},
                 20,
                 {{20, "1"}, {23, "2"}},
                 1,
                 1,
                 "1 row and 1 column did not fit the group"},
        PasteRow{"empty_cells_leave_fields_alone", {{"", " "}, {"5", ""}}, 6, {{7, "5"}}, 0, 0, ""},
        PasteRow{"rows_beyond_from_the_angles",
                 {{"1"}, {"2"}, {"3"}, {"4"}, {"5"}},
                 16,
                 {{16, "1"}, {17, "2"}},
                 3,
                 0,
                 "3 rows did not fit the group"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
