#include "form/diagram_outputs.h"

#include "form/form1.h"
#include "form/form1_definition.h"
#include "form/form_model.h"
#include "toolkit/application.h"
#include "toolkit/palette.h"
#include "toolkit/save_file.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

namespace form {

namespace {

const ControlDef &definition(std::string_view name) {
    const auto defs = control_definitions();
    return *std::find_if(defs.begin(), defs.end(),
                         [&](const ControlDef &def) { return def.name == name; });
}

// The file formats offered, in the order of the dialog's filters.
struct FileKind {
    const char *filter;
    const char *suffix;
};
constexpr FileKind file_kinds[] = {
    {QT_TRANSLATE_NOOP("DiagramOutputs", "PNG image (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("DiagramOutputs", "SVG drawing (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("DiagramOutputs", "PDF document (*.pdf)"), "pdf"},
};

QString filter_text(const char *source) {
    return QCoreApplication::translate("DiagramOutputs", source);
}

// The title of the diagrams as a file or a print job.
QString diagrams_title() {
    return QCoreApplication::translate("DiagramOutputs", "Trivane phasor diagrams");
}

} // namespace

std::array<std::pair<const toolkit::Label *, std::string_view>, 7> plot_labels(const Form1 &form) {
    return {{
        {&form.Letter_A, "Letter_A"},
        {&form.Letter_B, "Letter_B"},
        {&form.Letter_C, "Letter_C"},
        {&form.Positive_label, "Positive_label"},
        {&form.Negative_label, "Negative_label"},
        {&form.Zero_label, "Zero_label"},
        {&form.Label22, "Label22"},
    }};
}

std::vector<toolkit::Caption> plot_captions(const Form1 &form) {
    std::vector<toolkit::Caption> captions;
    for (const auto &[label, name] : plot_labels(form)) {
        const ControlDef &def = definition(name);
        captions.push_back(
            {shown_caption(def), label->Left(), label->Top(), label->Width(), label->Height(),
             toolkit::form_font((def.flags & bold) != 0), def.fore_color,
             ((def.flags & centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop});
    }
    return captions;
}

DiagramOutputs::DiagramOutputs(Form1 &form, const FormModel &model)
    : QObject(&form)
    , form_(form)
    , model_(model) {}

bool DiagramOutputs::has_drawing() const {
    return model_.has_drawing();
}

// The plot area from Line1 down to the scale note under it, on the light sheet.
toolkit::Figure DiagramOutputs::figure() const {
    const Form1 &f = form_;
    return {f.canvas(), f.Line1->X1, f.Line1->Y1, f.Line1->X2, f.Label22.Top() + f.Label22.Height(),
            // A picture on its own is on paper: light in a dark theme too.
            toolkit::is_light(f.palette()) ? f.palette() : toolkit::light_palette(),
            diagrams_title()};
}

// The diagrams with their captions and scale note: a PNG at twice the window's pixel density
// and an SVG, which documents scale without blurring.
void DiagramOutputs::copy() const {
    if (!has_drawing())
        return;
    const toolkit::Figure picture = figure();
    const qreal ratio = 2 * form_.devicePixelRatioF();
    const QImage image = toolkit::figure_image(picture, ratio, form_.logicalDpiX());
    QByteArray png;
    QBuffer png_buffer(&png);
    png_buffer.open(QIODevice::WriteOnly);
    image.save(&png_buffer, "PNG");

    auto *data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/png"), png);
    data->setData(
        QStringLiteral("image/svg+xml"),
        toolkit::figure_file(picture, toolkit::FigureFormat::svg, ratio, form_.logicalDpiX()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void DiagramOutputs::save(const QString &path) const {
    if (!has_drawing())
        return;
    const std::optional<toolkit::FigureFormat> format = toolkit::figure_format(path);
    if (!format) {
        //: %1 is the file's path.
        form_.notify(
            QCoreApplication::translate(
                "DiagramOutputs", "Diagrams are saved as PNG, SVG or PDF: %1 names none of them.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    const QByteArray bytes =
        toolkit::figure_file(figure(), *format, 2 * form_.devicePixelRatioF(), form_.logicalDpiX());
    if (const QString problem = toolkit::save_file(path, bytes); !problem.isEmpty())
        form_.notify(problem);
}

void DiagramOutputs::print(QPrinter &printer) const {
    if (has_drawing())
        toolkit::print_figure(figure(), printer, form_.logicalDpiX());
}

void DiagramOutputs::ask_and_save() {
    if (!has_drawing())
        return;
    QStringList filters;
    for (const FileKind &kind : file_kinds)
        filters << filter_text(kind.filter);
    QString chosen = filters.front();
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder_.isEmpty())
        folder_ = QDir::homePath();
    QString path = QFileDialog::getSaveFileName(
        &form_, QCoreApplication::translate("DiagramOutputs", "Save Diagrams As"),
        QDir(folder_).filePath(QStringLiteral("phasor-diagrams.png")),
        filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    // A name without one of the three extensions gets the chosen kind's.
    if (!toolkit::figure_format(path)) {
        for (const FileKind &kind : file_kinds) {
            if (chosen == filter_text(kind.filter))
                path += QLatin1Char('.') + QLatin1String(kind.suffix);
        }
    }
    folder_ = QFileInfo(path).absolutePath();
    save(path);
}

void DiagramOutputs::ask_and_print() const {
    if (!has_drawing())
        return;
    QPrinter printer;
    printer.setDocName(diagrams_title());
    QPrintDialog dialog(&printer, &form_);
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

} // namespace form
