#include "form/form1.h"

void Form1::Option1_Click(int Index) {
    save_case = false;
    jpunched = static_cast<std::int16_t>(Index);
    save_or_recall_case();
}

void Form1::save_or_recall_case() {
    const auto slot = static_cast<std::size_t>(save_case ? 0 : jpunched);
    if (save_case) {
        if (jslot != 0)
            Option1[static_cast<std::size_t>(jslot)].setFontBold(false);
        jslot = static_cast<std::int16_t>(jslot + 1);
        if (jslot == 11)
            jslot = 1;
        const auto j = static_cast<std::size_t>(jslot);
        Option1[j].setEnabled(true);
        Option1[j].setFontBold(true);
        // The texts exactly as they stand: a recall brings back what was typed.
        saved_mag_a[j] = mag_a.Text();
        saved_mag_b[j] = mag_b.Text();
        saved_mag_c[j] = mag_c.Text();
        saved_ang_a[j] = ang_a.Text();
        saved_ang_b[j] = ang_b.Text();
        saved_ang_c[j] = ang_c.Text();
        return;
    }
    mag_a.setText(saved_mag_a[slot]);
    mag_b.setText(saved_mag_b[slot]);
    mag_c.setText(saved_mag_c[slot]);
    ang_a.setText(saved_ang_a[slot]);
    ang_b.setText(saved_ang_b[slot]);
    ang_c.setText(saved_ang_c[slot]);
    recall_in_progress = true;
    Convert_Click(0);
    // A case saved from another group can read back at the scale limit ("1.00E-06"): its
    // plot then stops before it ends the recall, so the recall ends here.
    recall_in_progress = false;
}
