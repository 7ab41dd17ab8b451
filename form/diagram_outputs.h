#pragma once

// The diagrams as a picture of their own, wherever they go: the clipboard, a file, a printer.

#include "toolkit/figure.h"

#include <QObject>
#include <QString>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

class Form1;
namespace toolkit {
class Label;
}
class QPrinter;

namespace form {

class FormModel;

// The six captions and the scale note, where activate_labels and plot_phasors put them, in
// the fonts and colours of the window definition.
std::vector<toolkit::Caption> plot_captions(const Form1 &form);
// The same seven labels, each with its name in the window definition.
std::array<std::pair<const toolkit::Label *, std::string_view>, 7> plot_labels(const Form1 &form);

// One figure of the drawing shown (its recorded display on the form's canvas, the captions
// and the scale note) for Copy Diagrams, Save Diagrams As and Print Diagrams. Nothing happens
// while the model holds no drawing.
class DiagramOutputs : public QObject {
public:
    DiagramOutputs(Form1 &form, const FormModel &model);

    bool has_drawing() const;
    toolkit::Figure figure() const;
    // A PNG at twice the window's pixel density and an SVG onto the clipboard.
    void copy() const;
    // A PNG, SVG or PDF file by the name's extension; a problem is told in the notice.
    void save(const QString &path) const;
    void print(QPrinter &printer) const;
    // The dialogs: Save Diagrams As starts in the Documents folder, then in the last folder
    // saved to.
    void ask_and_save();
    void ask_and_print() const;

private:
    Form1 &form_;
    const FormModel &model_;
    QString folder_;
};

} // namespace form
