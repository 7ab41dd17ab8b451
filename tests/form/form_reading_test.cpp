// The reading beside the form: the case's reading as text, rows and JSON, the conversion of a
// saved case, the line-to-line entry, and the reading window and dialog through their keys.

#include "calc/phasor.h"
#include "form/case_conversion.h"
#include "form/case_reading.h"
#include "form/line_to_line_dialog.h"
#include "form/reading_window.h"
#include "form_fields.h"
#include "toolkit/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <complex>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>

namespace {

using calc::Phasor, calc::Three, form::Quantity;

Phasor at(double mag, double degrees) {
    return std::polar(mag, degrees * std::numbers::pi / 180);
}
const Phasor a = at(1, 120);

Three phases_of(const Three &s) {
    return {s[0] + s[1] + s[2], s[0] + a * a * s[1] + a * s[2], s[0] + a * s[1] + a * a * s[2]};
}
// The same fault a third of a turn on: on B where it was on A.
Three next_phase(const Three &p) {
    return {p[2] * a * a, p[0] * a * a, p[1] * a * a};
}
Three balanced(Phasor pa) {
    return {pa, pa * a * a, pa * a};
}

// A case typed into ABC Polar: the shortest texts of the phases.
form::SavedCase typed(const Three &phases) {
    form::SavedCase c;
    for (std::size_t i = 0; i < 3; ++i) {
        c.texts[i] = toolkit::format_shortest(std::abs(phases[i]));
        c.texts[i + 3] = toolkit::format_shortest(std::arg(phases[i]) * 180 / std::numbers::pi);
    }
    return c;
}

form::ReadingInput input(const Three &phases, Quantity quantity) {
    form::ReadingInput in;
    in.has_results = true;
    in.phasors = *form::converted_case(0, typed(phases).texts);
    in.quantity = quantity;
    return in;
}

void subtract(form::ReadingInput &in, int slot, const Three &prefault,
              Quantity quantity = Quantity::unsaid) {
    in.prefault_slot = slot;
    in.prefault = typed(prefault);
    in.prefault_quantity = quantity;
}

Phasor json_phasor(const QJsonValue &v) {
    return at(v.toArray().at(0).toDouble(), v.toArray().at(1).toDouble());
}

// The textbook network: Z1 = Z2 = j0.22, Z0 = j0.35, Zf = j0.1, 1 per unit before the fault.
const Three slg_a = phases_of({at(0.9174, -90), at(0.9174, -90), at(0.9174, -90)});
const Three ll_bc = phases_of({0, at(1.8519, -90), at(1.8519, 90)});
const Three dlg_bc = phases_of({at(0.6579, 90), at(2.6017, -90), at(1.9438, 90)});

struct FaultRow {
    Three fault;          // on A, or on B-C
    Phasor load;          // phase A's pre-fault current
    const char *codes[3]; // read as it is, turned once, turned twice
};

// State: a fault current set, the balanced pre-fault load in slot 4.
// Action: read it as currents, in each of the three rotations.
// Expected: the superimposed set is the fault alone, the verdict names the faulted phases and
// the pre-fault load counts as removed.
TEST(CaseReading, textbook_faults_read_against_their_prefault_slot_in_every_rotation) {
    const FaultRow rows[] = {{slg_a, at(0.6, -25), {"AG", "BG", "CG"}},
                             {ll_bc, at(0.8, 170), {"BC", "CA", "AB"}},
                             {dlg_bc, at(0.5, -10), {"BCG", "CAG", "ABG"}}};
    for (const FaultRow &row : rows) {
        Three fault = row.fault;
        for (const char *code : row.codes) {
            SCOPED_TRACE(code);
            const Three load = balanced(row.load);
            form::ReadingInput in = input(
                {fault[0] + load[0], fault[1] + load[1], fault[2] + load[2]}, Quantity::currents);
            subtract(in, 4, load, Quantity::currents);
            const form::CaseReading r = form::read_case(in);
            const QJsonObject json = form::reading_json(r);
            EXPECT_EQ(json["fault"].toString(), QLatin1String(code));
            EXPECT_EQ(json["status"].toString(), QLatin1String("verdict"));
            EXPECT_EQ(json["subtract"].toInt(), 4);
            const char *keys[] = {"a", "b", "c"};
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_LT(std::abs(json_phasor(json["delta"][keys[i]]) - fault[i]), 1e-5);
            const QString lines = form::reading_lines(r).join(u'\n');
            EXPECT_TRUE(lines.contains(json["verdict"].toString()));
            EXPECT_TRUE(json["verdict"].toString().startsWith(QLatin1String("Looks like a")));
            EXPECT_FALSE(lines.contains(QLatin1String("the pre-fault load is not removed")));
            fault = next_phase(fault);
        }
    }
}

// State: the textbook B-C-ground fault with no pre-fault load.
// Expected: the wording, the evidence after it, and 3I0 as three times I0.
TEST(CaseReading, verdict_is_worded_with_its_evidence_and_relay_quantities) {
    const form::CaseReading r = form::read_case(input(dlg_bc, Quantity::currents));
    const QJsonObject json = form::reading_json(r);
    EXPECT_EQ(json["verdict"].toString(), QStringLiteral("Looks like a B–C–ground fault"));
    EXPECT_EQ(json["evidence"]["sector"].toString(), QLatin1String("A"));
    EXPECT_EQ(json["evidence"]["by_angles"].toString(), QLatin1String("BCG"));
    EXPECT_EQ(json["evidence"]["by_magnitudes"].toString(), QLatin1String("BCG"));
    const QStringList lines = form::reading_lines(r);
    const qsizetype at_verdict = lines.indexOf(json["verdict"].toString());
    ASSERT_GE(at_verdict, 0);
    const QString after = lines.mid(at_verdict + 1).join(u'\n');
    for (const char *evidence : {"sector of phase A", "two-phase-to-ground", "carried by B and C",
                                 "the pre-fault load is not removed"})
        EXPECT_TRUE(after.contains(QLatin1String(evidence))) << evidence;
    EXPECT_NEAR(json["x0_3"][0].toDouble(), 3 * std::abs(r.set.sequences[0]), 1e-12);
    EXPECT_NEAR(json["x2_3"][0].toDouble(), 3 * std::abs(r.set.sequences[2]), 1e-12);
    EXPECT_NEAR(json["ratios"]["x2_x1"].toDouble(), 100 * 1.9438 / 2.6017, 1e-2);
}

struct NoVerdictRow {
    const char *name;
    Three phases;
    Quantity quantity;
    const char *status;
    const char *verdict; // what the sentence holds
};

// State: sets that must get no fault verdict.
// Expected: no fault code; the sentence says why.
TEST(CaseReading, balanced_load_zero_sequence_and_voltages_get_no_verdict) {
    const Phasor i0 = at(2, 30);
    const NoVerdictRow rows[] = {
        {"balanced load", balanced(at(1, -20)), Quantity::currents, "cannot-tell",
         "choose the pre-fault case"},
        {"zero sequence",
         {i0, i0, i0},
         Quantity::currents,
         "cannot-tell",
         "cannot tell: zero sequence only"},
        {"fault voltages", dlg_bc, Quantity::voltages, "none", ""},
        {"not said", dlg_bc, Quantity::unsaid, "none", ""},
        {"no current", {0, 0, 0}, Quantity::currents, "none", "No current"}};
    for (const NoVerdictRow &row : rows) {
        SCOPED_TRACE(row.name);
        const QJsonObject json =
            form::reading_json(form::read_case(input(row.phases, row.quantity)));
        EXPECT_EQ(json["fault"].toString(), QString());
        EXPECT_EQ(json["status"].toString(), QLatin1String(row.status));
        EXPECT_TRUE(json["verdict"].toString().contains(QLatin1String(row.verdict)));
        EXPECT_EQ(json["verdict"].toString().isEmpty(), *row.verdict == 0);
    }
}

// State: a load before and after a change of a few per cent.
// Expected: "cannot tell", because the change is small against the load.
TEST(CaseReading, small_change_against_the_load_cannot_be_told) {
    form::ReadingInput in = input(balanced(at(1.03, -20)), Quantity::currents);
    subtract(in, 2, balanced(at(1, -20)));
    const QJsonObject json = form::reading_json(form::read_case(in));
    EXPECT_EQ(json["verdict"].toString(),
              QLatin1String("cannot tell: the change is small against the load"));
}

// State: slot 3 chosen, holding the same case, another quantity, or nothing.
// Expected: zeros and "no change"; a refusal between currents and voltages; an empty slot.
TEST(CaseReading, superimposed_set_no_change_and_refusals) {
    const Three set = balanced(at(1, 10));
    form::ReadingInput same = input(set, Quantity::voltages);
    subtract(same, 3, set, Quantity::unsaid);
    const form::CaseReading r = form::read_case(same);
    const QJsonObject json = form::reading_json(r);
    for (const char *key : {"a", "b", "c", "0", "1", "2"})
        EXPECT_EQ(json["delta"][key].toArray(), (QJsonArray{0.0, 0.0})) << key;
    EXPECT_TRUE(form::reading_lines(r).contains(QStringLiteral("no change")));
    const auto texts = form::delta_texts(r, u".");
    ASSERT_TRUE(texts);
    for (const QString &text : *texts)
        EXPECT_EQ(text, QStringLiteral("0"));

    struct Refusal {
        Quantity now, before;
        bool empty;
        const char *says;
    } refusals[] = {
        {Quantity::currents, Quantity::voltages, false, "is currents and slot 3 holds voltages"},
        {Quantity::voltages, Quantity::currents, false, "is voltages and slot 3 holds currents"},
        {Quantity::currents, Quantity::unsaid, true, "Slot 3 holds no case."}};
    for (const Refusal &row : refusals) {
        form::ReadingInput in = input(set, row.now);
        subtract(in, 3, set, row.before);
        if (row.empty)
            in.prefault.reset();
        const form::CaseReading refused = form::read_case(in);
        const QJsonObject j = form::reading_json(refused);
        EXPECT_EQ(j["subtract"].toInt(), 3);
        EXPECT_TRUE(j["delta"]["a"].isNull());
        EXPECT_FALSE(form::delta_texts(refused, u"."));
        EXPECT_TRUE(form::reading_lines(refused).join(u'\n').contains(QLatin1String(row.says)))
            << row.says;
    }
}

// State: a balanced set at 0 degrees seen through a Dyn11 transformer, and groups that do not
// parse.
// Expected: the other winding turned by +30 degrees, no zero sequence; a refused group gives a
// message and no transformer.
TEST(CaseReading, transformer_view_turns_dyn11_by_thirty_degrees) {
    form::ReadingInput in = input(balanced(at(1, 0)), Quantity::voltages);
    in.group = QStringLiteral(" dyn11 ");
    const form::CaseReading r = form::read_case(in);
    const QJsonObject t = form::reading_json(r)["transformer"].toObject();
    EXPECT_EQ(t["group"].toString(), QLatin1String("Dyn11"));
    EXPECT_LT(std::abs(json_phasor(t["a"]) - at(1, 30)), 1e-6);
    EXPECT_LT(std::abs(json_phasor(t["1"]) - at(1, 30)), 1e-6);
    EXPECT_EQ(t["0"].toArray(), (QJsonArray{0.0, 0.0}));
    EXPECT_TRUE(form::reading_lines(r).join(u'\n').contains(QLatin1String("IEC clock number 11")));

    for (const char *group : {"Dx11", "Dy4", "Dyn13", "Dyn11x"}) {
        in.group = QLatin1String(group);
        const form::CaseReading bad = form::read_case(in);
        EXPECT_TRUE(form::reading_json(bad)["transformer"].isNull()) << group;
        EXPECT_TRUE(form::reading_lines(bad).join(u'\n').contains(
            QStringLiteral("“%1” is not a vector group: ").arg(QLatin1String(group))))
            << group;
    }
}

struct RowsCase {
    Quantity quantity;
    int slot;
    const char *group;
    const char *labels; // the added rows' labels, "|" between
};

// State: each combination of quantity, pre-fault slot and transformer.
// Expected: rows only when the quantity is said or something is chosen, and then just those.
TEST(CaseReading, results_rows_appear_only_when_the_case_is_read) {
    const char *delta = "|Delta A|Delta B|Delta C|Delta X0|Delta X1|Delta X2";
    const char *other =
        "|Other winding A|Other winding B|Other winding C|Other winding X0|Other winding X1|"
        "Other winding X2";
    const RowsCase rows[] = {{Quantity::unsaid, 0, "", ""},
                             {Quantity::unsaid, 0, "none", ""},
                             {Quantity::unsaid, 0, "Dx11", ""},
                             {Quantity::voltages, 0, "", "3X0|3X2"},
                             {Quantity::currents, 0, "", "3X0|3X2|Fault"},
                             {Quantity::unsaid, 3, "", delta},
                             {Quantity::unsaid, 0, "YNyn0", other}};
    const Three set = balanced(at(1, 10));
    for (const RowsCase &row : rows) {
        form::ReadingInput in = input(set, row.quantity);
        in.group = QLatin1String(row.group);
        if (row.slot != 0)
            subtract(in, row.slot, balanced(at(0.5, 10)));
        QString want = QLatin1String(row.labels);
        if (want.startsWith(u'|'))
            want = QStringLiteral("3X0|3X2") + want;
        QStringList labels;
        for (const QList<form::ResultCell> &cells : form::reading_rows(form::read_case(in)))
            labels << cells.at(0).text;
        EXPECT_EQ(labels.join(u'|'), want);
        in.has_results = false;
        EXPECT_TRUE(form::reading_rows(form::read_case(in)).isEmpty());
    }
}

// State: nothing converted, and a case read with every choice made.
// Expected: every key of the reading, always; phasors null before a conversion.
TEST(CaseReading, reading_json_holds_every_key_always) {
    const QStringList keys{"angles",   "delta",  "evidence", "fault",    "line",
                           "quantity", "ratios", "status",   "subtract", "transformer",
                           "verdict",  "x0_3",   "x2_3"};
    form::ReadingInput none;
    none.quantity = Quantity::voltages;
    const QJsonObject empty = form::reading_json(form::read_case(none));
    EXPECT_EQ(empty.keys(), keys);
    EXPECT_TRUE(empty["x0_3"].isNull());
    EXPECT_TRUE(empty["line"]["ab"].isNull());
    EXPECT_TRUE(form::reading_lines(form::read_case(none))
                    .join(u'\n')
                    .contains(QLatin1String("Nothing is converted")));
    form::ReadingInput full = input(dlg_bc, Quantity::voltages);
    full.group = QStringLiteral("Yd1");
    subtract(full, 1, balanced(at(1, 0)));
    const QJsonObject json = form::reading_json(form::read_case(full));
    EXPECT_EQ(json.keys(), keys);
    EXPECT_EQ(json["quantity"].toString(), QLatin1String("voltages"));
    EXPECT_LT(std::abs(json_phasor(json["line"]["bc"]) - (dlg_bc[1] - dlg_bc[2])), 1e-5);
}

// The form's conversion table: a saved case's texts convert to the numbers the form shows.
TEST(CaseConversion, saved_cases_convert_as_the_form_converts_them) {
    std::ifstream in(TRIVANE_TEST_DATA "/form_conversions.txt");
    ASSERT_TRUE(in);
    std::map<std::string, std::string> shown;
    int group = -1, cases = 0;
    const auto check = [&] {
        if (group < 0)
            return;
        ++cases;
        std::array<QString, 6> texts;
        const auto names = form_test::group_names(group);
        for (std::size_t i = 0; i < 6; ++i)
            texts[i] = QString::fromStdString(shown.at(names[i]));
        const auto s = form::converted_case(group, texts);
        ASSERT_TRUE(s);
        const auto deg = [&](auto ang) {
            return toolkit::format_fixed2(calc::to_degrees(ang, s->pi180)).toStdString();
        };
        const auto sci = [](double v) { return toolkit::format_scientific(v).toStdString(); };
        const std::map<std::string, std::string> got{
            {"mag_a", sci(s->va_mag)},   {"mag_b", sci(s->vb_mag)},   {"mag_c", sci(s->vc_mag)},
            {"ang_a", deg(s->va_ang)},   {"ang_b", deg(s->vb_ang)},   {"ang_c", deg(s->vc_ang)},
            {"real_a", sci(s->va_real)}, {"real_b", sci(s->vb_real)}, {"real_c", sci(s->vc_real)},
            {"imag_a", sci(s->va_imag)}, {"imag_b", sci(s->vb_imag)}, {"imag_c", sci(s->vc_imag)},
            {"mag_0", sci(s->v0_mag)},   {"mag_1", sci(s->v1_mag)},   {"mag_2", sci(s->v2_mag)},
            {"ang_0", deg(s->v0_ang)},   {"ang_1", deg(s->v1_ang)},   {"ang_2", deg(s->v2_ang)},
            {"real_0", sci(s->v0_real)}, {"real_1", sci(s->v1_real)}, {"real_2", sci(s->v2_real)},
            {"imag_0", sci(s->v0_imag)}, {"imag_1", sci(s->v1_imag)}, {"imag_2", sci(s->v2_imag)}};
        for (const auto &[name, text] : got) {
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                EXPECT_EQ(text, shown.at(name)) << name;
            }
        }
    };
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first, second, convert;
        words >> first >> second;
        if (line.empty() || line[0] == '#')
            continue;
        if (first == "case") {
            check();
            shown.clear();
            words >> convert >> group;
        } else {
            shown[first] = second;
        }
    }
    check();
    EXPECT_GE(cases, 10);
    EXPECT_FALSE(form::converted_case(0, {"1", "x", "1", "0", "0", "0"}));
    EXPECT_FALSE(form::converted_case(1, {"3e38", "3e38", "0", "0", "0", "0"}));
}

struct LineRow {
    double m[3];
    std::optional<std::array<double, 3>> degrees;
    Phasor v1, v2;       // expected, when accepted
    const char *problem; // what a refusal says
};

// The metering example of a relay manual, a balanced voltmeter reading, and the refusals.
TEST(LineToLine, sequences_from_line_voltages_and_refusals) {
    const LineRow rows[] = {
        {{84.9, 138.3, 85.4},
         std::array{0.0, -144.0, -288.0},
         at(56.56, -54.0),
         at(23.19, 126.2),
         ""},
        {{100, 100, 100}, std::nullopt, at(100 / std::numbers::sqrt3, -30), 0, ""},
        {{100, 100, 100}, std::array{0.0, -120.0, 0.0}, 0, 0, "leaves 173.21, more than 1 %"},
        {{1, 1, 3}, std::nullopt, 0, 0, "cannot form a triangle"}};
    for (const LineRow &row : rows) {
        const form::LineOutcome out =
            form::line_to_line({{row.m[0], row.m[1], row.m[2]}, row.degrees}, u",");
        EXPECT_TRUE(out.problem.contains(QLatin1String(row.problem))) << out.problem.toStdString();
        if (*row.problem != 0)
            continue;
        const auto number = [&](std::size_t i) {
            return toolkit::parse_number(out.texts[i], u",")->value;
        };
        EXPECT_EQ(out.texts[0], QStringLiteral("0"));
        EXPECT_EQ(out.texts[3], QStringLiteral("0"));
        EXPECT_LT(std::abs(at(number(1), number(4)) - row.v1), 0.01 * std::abs(row.v1));
        EXPECT_LT(std::abs(at(number(2), number(5)) - row.v2), 0.01 * std::abs(row.v1));
        EXPECT_TRUE(out.texts[1].contains(u','));
        EXPECT_TRUE(out.unbalance.startsWith(row.degrees ? QLatin1String("|V2|/|V1| = ")
                                                         : QLatin1String("u2 = ")));
    }
    QString problem;
    EXPECT_FALSE(form::line_entry({"1", "1", "1", "0", "x", "0"}, false, u".", &problem));
    EXPECT_EQ(problem, QStringLiteral("The angle of Vbc is not a number."));
    EXPECT_TRUE(form::line_entry({"1", "1", "1", "0", "x", "0"}, true, u"."));
}

// State: the reading window of a form, fed readings.
// Action: keys on its controls.
// Expected: a tool window that does not activate; each choice said by its signal.
TEST(ReadingWindow, shows_readings_and_says_each_choice) {
    QWidget owner;
    owner.show();
    form::ReadingWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Trivane Reading"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
    window.show_reading(form::read_case({}));
    EXPECT_TRUE(window.text().startsWith(QLatin1String("Nothing is converted")));
    auto *put = window.findChild<QPushButton *>(QStringLiteral("put_into_form"));
    EXPECT_FALSE(put->isEnabled());

    form::ReadingInput in = input(balanced(at(1, 0)), Quantity::currents);
    subtract(in, 5, balanced(at(0.5, 0)));
    window.show_reading(form::read_case(in));
    EXPECT_TRUE(put->isEnabled());
    EXPECT_EQ(window.findChild<QComboBox *>(QStringLiteral("prefault"))->currentText(),
              QStringLiteral("slot 5"));
    window.show_beside(owner);
    EXPECT_EQ(window.windowHandle()->transientParent(), owner.windowHandle());
    QSignalSpy quantity(&window, &form::ReadingWindow::quantity_chosen);
    QSignalSpy slot(&window, &form::ReadingWindow::prefault_chosen);
    QSignalSpy group(&window, &form::ReadingWindow::group_chosen);
    QSignalSpy put_in(&window, &form::ReadingWindow::put_into_form);
    QTest::keyClick(window.findChild<QComboBox *>(QStringLiteral("quantity")), Qt::Key_Down);
    QTest::keyClick(window.findChild<QComboBox *>(QStringLiteral("prefault")), Qt::Key_Up);
    auto *group_field = window.findChild<QLineEdit *>(QStringLiteral("group"));
    QTest::keyClicks(group_field, QStringLiteral("Dyn11"));
    QTest::keyClick(group_field, Qt::Key_Return);
    QTest::keyClick(put, Qt::Key_Space);
    ASSERT_EQ(quantity.count(), 1);
    EXPECT_EQ(quantity.at(0).at(0).value<Quantity>(), Quantity::unsaid);
    ASSERT_EQ(slot.count(), 1);
    EXPECT_EQ(slot.at(0).at(0).toInt(), 4);
    ASSERT_EQ(group.count(), 1);
    EXPECT_EQ(group.at(0).at(0).toString(), QStringLiteral("Dyn11"));
    EXPECT_EQ(put_in.count(), 1);
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("reading_text"));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(text->accessibleName(), QStringLiteral("Reading"));
}

// State: the line-to-line dialog.
// Action: the metering example typed and OK, then a triangle that does not close.
// Expected: the 012 Polar texts; a refusal keeps the dialog open and says why.
TEST(LineToLineDialog, ok_gives_sequence_texts_and_a_refusal_keeps_it_open) {
    form::LineToLineDialog dialog;
    dialog.show();
    const char *names[] = {"vab_magnitude", "vbc_magnitude", "vca_magnitude",
                           "vab_angle",     "vbc_angle",     "vca_angle"};
    const char *texts[] = {"84.9", "138.3", "85.4", "0", "-144", "-288"};
    for (std::size_t i = 0; i < 6; ++i)
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QLatin1String(names[i])),
                         QLatin1String(texts[i]));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_NEAR(toolkit::parse_number(dialog.texts()[1])->value, 56.56, 0.01);

    form::LineToLineDialog refusing;
    refusing.show();
    for (std::size_t i = 0; i < 3; ++i)
        QTest::keyClicks(refusing.findChild<QLineEdit *>(QLatin1String(names[i])),
                         QStringLiteral("100"));
    refusing.findChild<QCheckBox *>(QStringLiteral("magnitudes_only"))->setChecked(true);
    EXPECT_FALSE(refusing.findChild<QLineEdit *>(QLatin1String(names[3]))->isEnabled());
    refusing.findChild<QCheckBox *>(QStringLiteral("magnitudes_only"))->setChecked(false);
    for (std::size_t i = 3; i < 6; ++i)
        QTest::keyClicks(refusing.findChild<QLineEdit *>(QLatin1String(names[i])),
                         QStringLiteral("0"));
    refusing.accept();
    EXPECT_TRUE(refusing.isVisible());
    EXPECT_TRUE(refusing.findChild<QLabel *>(QStringLiteral("line_to_line_status"))
                    ->text()
                    .contains(QLatin1String("does not close")));
}

} // namespace
