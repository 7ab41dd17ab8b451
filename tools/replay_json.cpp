#include "tools/replay_json.h"

#include "form/diagram_outputs.h"
#include "form/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMimeData>

#include <array>
#include <charconv>
#include <utility>

namespace tools {

namespace {

// A single as the shortest text that reads back to it (1237.5, 3460), handed to JSON as
// the double that text denotes, whose own shortest text is the same.
QJsonValue number(float value) {
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    double shortest = 0;
    std::from_chars(buffer.data(), written.ptr, shortest);
    return shortest;
}

QString colour(toolkit::Colour c) {
    return QStringLiteral("0x") +
           QString::number(c, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

QString compact(const QJsonDocument &document) {
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

} // namespace

QString dump_json(Form1 &form) {
    const form::FormModel &model = form.model();
    QJsonObject fields;
    for (int k = 0; k < 24; ++k) {
        fields.insert(
            form.all_fields()[static_cast<std::size_t>(k)]->widget()->objectName(),
            QJsonObject{{QStringLiteral("text"), model.text(k)},
                        {QStringLiteral("error"), model.mark(k).back == toolkit::error_light_red}});
    }
    QJsonArray options;
    for (int i = 1; i <= 10; ++i) {
        const toolkit::OptionButton &button = form.Option1[static_cast<std::size_t>(i)];
        options.append(QJsonObject{{QStringLiteral("slot"), i},
                                   {QStringLiteral("enabled"), button.Enabled()},
                                   {QStringLiteral("bold"), button.FontBold()},
                                   {QStringLiteral("selected"), button.Value()}});
    }
    QJsonObject labels;
    for (const auto &[label, name] : form::plot_labels(form)) {
        labels.insert(QLatin1String(name.data(), static_cast<qsizetype>(name.size())),
                      QJsonObject{{QStringLiteral("visible"), label->Visible()},
                                  {QStringLiteral("left"), number(label->Left())},
                                  {QStringLiteral("top"), number(label->Top())}});
    }
    const QWidget *focus = QApplication::focusWidget();
    const form::FormState &state = model.state();
    return compact(QJsonDocument(QJsonObject{
        {QStringLiteral("fields"), fields},
        {QStringLiteral("options"), options},
        {QStringLiteral("labels"), labels},
        {QStringLiteral("focus"),
         focus != nullptr ? QJsonValue(focus->objectName()) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("jslot"), state.jslot},
        {QStringLiteral("recall_in_progress"), state.recall_in_progress},
        {QStringLiteral("errors_found"), state.errors_found},
        {QStringLiteral("notice"), form.take_notice()},
    }));
}

QString ops_json(const Form1 &form) {
    QJsonArray ops;
    for (const toolkit::DrawOp &op : form.canvas().last_call()) {
        QJsonObject m;
        switch (op.kind) {
        case toolkit::DrawOp::Kind::Box:
        case toolkit::DrawOp::Kind::Line:
            m.insert(QStringLiteral("op"), op.kind == toolkit::DrawOp::Kind::Box
                                               ? QStringLiteral("box")
                                               : QStringLiteral("line"));
            m.insert(QStringLiteral("x1"), number(op.x1));
            m.insert(QStringLiteral("y1"), number(op.y1));
            m.insert(QStringLiteral("x2"), number(op.x2));
            m.insert(QStringLiteral("y2"), number(op.y2));
            break;
        case toolkit::DrawOp::Kind::Circle:
            m.insert(QStringLiteral("op"), QStringLiteral("circle"));
            m.insert(QStringLiteral("x"), number(op.x));
            m.insert(QStringLiteral("y"), number(op.y));
            m.insert(QStringLiteral("r"), number(op.r));
            break;
        }
        m.insert(QStringLiteral("style"), op.style);
        m.insert(QStringLiteral("width"), op.width);
        m.insert(QStringLiteral("fill"),
                 op.filled ? QStringLiteral("solid") : QStringLiteral("transparent"));
        m.insert(QStringLiteral("fill_color"), colour(op.fill_color));
        m.insert(QStringLiteral("color"),
                 op.color ? QJsonValue(colour(*op.color)) : QJsonValue(QJsonValue::Null));
        ops.append(m);
    }
    return compact(QJsonDocument(ops));
}

QString clipboard_json() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return compact(QJsonDocument(QJsonObject{
        {QStringLiteral("text"), QApplication::clipboard()->text()},
        {QStringLiteral("formats"),
         QJsonArray::fromStringList(data != nullptr ? data->formats() : QStringList())},
    }));
}

} // namespace tools
