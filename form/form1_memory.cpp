#include "form/form1.h"

void Form1::Option1_Click(int Index) {
    state_.save_case = false;
    state_.jpunched = static_cast<std::int16_t>(Index);
    save_or_recall_case();
}

void Form1::save_or_recall_case() {
    if (state_.save_case)
        save_in_next_slot();
    else
        recall_slot(state_.jpunched);
}

// The slot after the newest, wrapping from 10 to 1, gets the case, its button becomes
// enabled and bold, and the previous newest loses its bold caption.
void Form1::save_in_next_slot() {
    form::FormState &s = state_;
    const int previous = s.jslot;
    if (s.jslot != 0)
        Option1[static_cast<std::size_t>(s.jslot)].setFontBold(false);
    s.jslot = static_cast<std::int16_t>(s.jslot == 10 ? 1 : s.jslot + 1);
    const auto j = static_cast<std::size_t>(s.jslot);
    Option1[j].setEnabled(true);
    Option1[j].setFontBold(true);
    // The entered group's texts exactly as they stand: a recall brings back what was typed,
    // into the group it was typed in.
    form::SavedCase &saved = s.saved[j];
    saved.group = s.converted_group;
    const auto fields = group_fields(saved.group);
    for (std::size_t i = 0; i < fields.size(); ++i)
        saved.texts[i] = fields[i]->Text();
    if (previous != 0)
        describe_slot(previous);
    describe_slot(s.jslot);
    memory_->keep(saved);
}

// The slot's texts go back into their fields and are converted again as a recall: the
// clicked button stays selected and nothing is saved.
void Form1::recall_slot(int slot) {
    const OneChange change(*this, QStringLiteral("Recall"));
    const form::SavedCase &saved = state_.saved.at(static_cast<std::size_t>(slot));
    const auto fields = group_fields(saved.group);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(saved.texts[i]);
    state_.recall_in_progress = true;
    Convert_Click(saved.group);
    // The recall ends here, whether its drawing completed or stopped at the scale test.
    state_.recall_in_progress = false;
}
