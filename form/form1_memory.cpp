#include "form/form1.h"

#include "form/reading_room.h"
#include "form/screen_reader_text.h"

#include <QCoreApplication>

void Form1::Option1_Click(int Index) {
    state_.save_case = false;
    state_.jpunched = static_cast<std::int16_t>(Index);
    save_or_recall_case();
}

// Saving: the slot after the newest, wrapping from 10 to 1, gets the case, its button becomes
// enabled and bold, and the previous newest loses its bold caption. Recalling: the slot's
// texts go back into their fields and are converted again as a recall, one change of the
// form: the clicked button stays selected and nothing is saved.
void Form1::save_or_recall_case() {
    form::FormState &s = state_;
    if (s.save_case) {
        const int previous = s.jslot;
        if (s.jslot != 0)
            Option1[static_cast<std::size_t>(s.jslot)].setFontBold(false);
        s.jslot = static_cast<std::int16_t>(s.jslot == 10 ? 1 : s.jslot + 1);
        const auto j = static_cast<std::size_t>(s.jslot);
        Option1[j].setEnabled(true);
        Option1[j].setFontBold(true);
        // The entered group's texts exactly as they stand: a recall brings back what was
        // typed, into the group it was typed in.
        form::SavedCase &saved = s.saved[j];
        saved.group = s.converted_group;
        saved.quantity = model_.quantity();
        for (int i = 0; i < 6; ++i)
            saved.texts[static_cast<std::size_t>(i)] = model_.text(6 * saved.group + i);
        if (previous != 0)
            screen_reader_->describe_slot(previous);
        screen_reader_->describe_slot(s.jslot);
        keeping_->memory().keep(saved);
        // A pre-fault choice of this slot meant the case it held before.
        reading_->slot_taken(s.jslot);
        return;
    }
    //: An undo step, named in the menu as "Undo %1".
    const form::FormHistory::Step step(history_,
                                       QCoreApplication::translate("FormHistory", "Recall"));
    model_.set_selected(s.jpunched);
    const form::SavedCase &saved = s.saved.at(static_cast<std::size_t>(s.jpunched));
    for (int i = 0; i < 6; ++i)
        model_.set_text(6 * saved.group + i, saved.texts[static_cast<std::size_t>(i)]);
    model_.set_quantity(saved.quantity);
    s.recall_in_progress = true;
    Convert_Click(saved.group);
    // The recall ends here, whether its drawing completed or stopped at the scale test.
    s.recall_in_progress = false;
}
