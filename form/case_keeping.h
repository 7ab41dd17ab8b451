#pragma once

// The cases kept between runs as the window shows them: the "Keep Cases Between Runs" switch
// and "Forget All Cases", the kept cases put back into the memory buttons at start-up, and the
// window's place, kept when it closes. The file itself is form::CaseMemory's.

#include "form/case_memory.h"

class Form1;
class QAction;
class QWidget;

namespace form {

class FormActions;
class FormModel;
class ScreenReaderText;

class CaseKeeping {
public:
    // Reads the kept cases into the form's memory buttons, oldest first; the newest is bold
    // and the next save goes after it, as if they had been saved in this run.
    // The switch and the command are the actions' keep_cases and forget_cases.
    CaseKeeping(Form1 &form, FormModel &model, ScreenReaderText &screen_reader,
                const FormActions &actions);

    CaseMemory &memory() { return memory_; }

    // Keeps the window's place and size, and waits for the saves still queued: closing the
    // window loses no case.
    void close();

private:
    void restore();
    void forget_all();

    Form1 &form_;
    FormModel &model_;
    ScreenReaderText &screen_reader_;
    CaseMemory memory_;
    QAction &keep_action_;
};

// Puts the window where it was closed last, and at that size, on a screen that exists.
void restore_geometry(QWidget &window);

} // namespace form
