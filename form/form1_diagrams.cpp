// The diagrams as a picture of their own, wherever they go: the clipboard, a file, a printer.
#include "form/form1.h"

#include "form/form1_definition.h"
#include "toolkit/application.h"
#include "toolkit/palette.h"
#include "toolkit/save_file.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {

const form::ControlDef &definition(std::string_view name) {
    const auto defs = form::control_definitions();
    return *std::find_if(defs.begin(), defs.end(),
                         [&](const form::ControlDef &def) { return def.name == name; });
}

// The file formats offered, in the order of the dialog's filters.
struct FileKind {
    const char *filter;
    const char *suffix;
};
constexpr FileKind file_kinds[] = {
    {"PNG image (*.png)", "png"},
    {"SVG drawing (*.svg)", "svg"},
    {"PDF document (*.pdf)", "pdf"},
};

} // namespace

// The six captions and the scale note, where activate_labels and plot_phasors put them, in
// the fonts and colours of the window definition.
std::vector<toolkit::Caption> Form1::plot_captions() const {
    const std::pair<const toolkit::Label *, std::string_view> labels[] = {
        {&Letter_A, "Letter_A"},
        {&Letter_B, "Letter_B"},
        {&Letter_C, "Letter_C"},
        {&Positive_label, "Positive_label"},
        {&Negative_label, "Negative_label"},
        {&Zero_label, "Zero_label"},
        {&Label22, "Label22"},
    };
    std::vector<toolkit::Caption> captions;
    for (const auto &[label, name] : labels) {
        const form::ControlDef &def = definition(name);
        captions.push_back(
            {QString::fromUtf8(def.caption.data(), static_cast<qsizetype>(def.caption.size())),
             label->Left(), label->Top(), label->Width(), label->Height(),
             toolkit::form_font((def.flags & form::bold) != 0), def.fore_color,
             ((def.flags & form::centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop});
    }
    return captions;
}

bool Form1::has_drawing() const {
    const auto &ops = canvas().last_call();
    return std::any_of(ops.begin(), ops.end(), [](const toolkit::DrawOp &op) {
        return op.kind == toolkit::DrawOp::Kind::Circle;
    });
}

// The plot area from Line1 down to the scale note under it, on the light sheet.
toolkit::Figure Form1::diagrams_figure() const {
    return {canvas(), Line1->X1, Line1->Y1, Line1->X2, Label22.Top() + Label22.Height(),
            // A picture on its own is on paper: light in a dark theme too.
            toolkit::is_light(palette()) ? palette() : toolkit::light_palette(),
            QStringLiteral("Trivane phasor diagrams")};
}

void Form1::save_diagrams(const QString &path) {
    if (!has_drawing())
        return;
    const std::optional<toolkit::FigureFormat> format = toolkit::figure_format(path);
    if (!format) {
        notify(QStringLiteral("Diagrams are saved as PNG, SVG or PDF: %1 names none of them.")
                   .arg(QDir::toNativeSeparators(path)));
        return;
    }
    const QByteArray bytes =
        toolkit::figure_file(diagrams_figure(), *format, 2 * devicePixelRatioF(), logicalDpiX());
    if (const QString problem = toolkit::save_file(path, bytes); !problem.isEmpty())
        notify(problem);
}

void Form1::print_diagrams(QPrinter &printer) {
    if (has_drawing())
        toolkit::print_figure(diagrams_figure(), printer, logicalDpiX());
}

void Form1::set_up_diagram_outputs() {
    save_diagrams_action_ = new QAction(QStringLiteral("Save Diagrams As…"), this);
    connect(save_diagrams_action_, &QAction::triggered, this, [this] {
        if (!has_drawing())
            return;
        QStringList filters;
        for (const FileKind &kind : file_kinds)
            filters << QLatin1String(kind.filter);
        QString chosen = filters.front();
        QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Save Diagrams As"),
            QDir::home().filePath(QStringLiteral("phasor-diagrams.png")),
            filters.join(QStringLiteral(";;")), &chosen);
        if (path.isEmpty())
            return;
        // A name without one of the three extensions gets the chosen kind's.
        if (!toolkit::figure_format(path)) {
            for (const FileKind &kind : file_kinds) {
                if (chosen == QLatin1String(kind.filter))
                    path += QLatin1Char('.') + QLatin1String(kind.suffix);
            }
        }
        save_diagrams(path);
    });
    print_diagrams_action_ = new QAction(QStringLiteral("Print Diagrams…"), this);
    print_diagrams_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print_diagrams_action_, &QAction::triggered, this, [this] {
        if (!has_drawing())
            return;
        QPrinter printer;
        printer.setDocName(QStringLiteral("Trivane phasor diagrams"));
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted)
            print_diagrams(printer);
    });
    addAction(save_diagrams_action_);
    addAction(print_diagrams_action_);
}

// The diagram entries are enabled while there is a drawing, for as long as a menu shows.
void Form1::enable_diagram_outputs(bool enabled) {
    for (QAction *action : {copy_diagrams_action_, save_diagrams_action_, print_diagrams_action_})
        action->setEnabled(enabled);
}
