#include "tools/replay_json.h"

#include "form/form1.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QStringList>

#include <array>
#include <charconv>

namespace tools {

namespace {

QString quoted(const QString &text) {
    // QJsonDocument does the escaping; strip the array brackets around the one string.
    const QByteArray doc = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(doc.mid(1, doc.size() - 2));
}

// Shortest text that reads back to the same single: 1237.5, 3460.
QString number(float value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QString boolean(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString colour(toolkit::Colour c) {
    return quoted(QStringLiteral("0x") +
                  QString::number(c, 16).toUpper().rightJustified(8, QLatin1Char('0')));
}

QString member(const QString &key, const QString &value) {
    return quoted(key) + QLatin1Char(':') + value;
}

QString object(const QStringList &members) {
    return QLatin1Char('{') + members.join(QLatin1Char(',')) + QLatin1Char('}');
}

} // namespace

QString dump_json(Form1 &form) {
    QStringList fields;
    for (toolkit::TextBox *field : form.all_fields()) {
        fields << member(field->widget()->objectName(),
                         object({member(QStringLiteral("text"), quoted(field->Text())),
                                 member(QStringLiteral("error"),
                                        boolean(field->BackColor() == toolkit::error_light_red))}));
    }
    QStringList options;
    for (int i = 1; i <= 10; ++i) {
        const toolkit::OptionButton &button = form.Option1[static_cast<std::size_t>(i)];
        options << object({member(QStringLiteral("slot"), QString::number(i)),
                           member(QStringLiteral("enabled"), boolean(button.Enabled())),
                           member(QStringLiteral("bold"), boolean(button.FontBold())),
                           member(QStringLiteral("selected"), boolean(button.Value()))});
    }
    QStringList labels;
    const std::pair<const toolkit::Label *, const char *> plot_labels[] = {
        {&form.Letter_A, "Letter_A"},
        {&form.Letter_B, "Letter_B"},
        {&form.Letter_C, "Letter_C"},
        {&form.Positive_label, "Positive_label"},
        {&form.Negative_label, "Negative_label"},
        {&form.Zero_label, "Zero_label"},
        {&form.Label22, "Label22"},
    };
    for (const auto &[label, name] : plot_labels) {
        labels << member(QLatin1String(name),
                         object({member(QStringLiteral("visible"), boolean(label->Visible())),
                                 member(QStringLiteral("left"), number(label->Left())),
                                 member(QStringLiteral("top"), number(label->Top()))}));
    }
    const QWidget *focus = QApplication::focusWidget();
    return object({
        member(QStringLiteral("fields"), object(fields)),
        member(QStringLiteral("options"),
               QLatin1Char('[') + options.join(QLatin1Char(',')) + QLatin1Char(']')),
        member(QStringLiteral("labels"), object(labels)),
        member(QStringLiteral("focus"),
               focus != nullptr ? quoted(focus->objectName()) : QStringLiteral("null")),
        member(QStringLiteral("jslot"), QString::number(form.jslot)),
        member(QStringLiteral("recall_in_progress"), boolean(form.recall_in_progress)),
        member(QStringLiteral("errors_found"), boolean(form.errors_found)),
    });
}

QString ops_json(const Form1 &form) {
    QStringList ops;
    for (const toolkit::DrawOp &op : form.canvas().last_call()) {
        QStringList m;
        switch (op.kind) {
        case toolkit::DrawOp::Kind::Box:
        case toolkit::DrawOp::Kind::Line:
            m << member(QStringLiteral("op"),
                        quoted(op.kind == toolkit::DrawOp::Kind::Box ? QStringLiteral("box")
                                                                     : QStringLiteral("line")))
              << member(QStringLiteral("x1"), number(op.x1))
              << member(QStringLiteral("y1"), number(op.y1))
              << member(QStringLiteral("x2"), number(op.x2))
              << member(QStringLiteral("y2"), number(op.y2));
            break;
        case toolkit::DrawOp::Kind::Circle:
            m << member(QStringLiteral("op"), quoted(QStringLiteral("circle")))
              << member(QStringLiteral("x"), number(op.x))
              << member(QStringLiteral("y"), number(op.y))
              << member(QStringLiteral("r"), number(op.r));
            break;
        }
        m << member(QStringLiteral("style"), QString::number(op.style))
          << member(QStringLiteral("width"), QString::number(op.width))
          << member(QStringLiteral("fill"),
                    quoted(op.filled ? QStringLiteral("solid") : QStringLiteral("transparent")))
          << member(QStringLiteral("fill_color"), colour(op.fill_color))
          << member(QStringLiteral("color"), op.color ? colour(*op.color) : QStringLiteral("null"));
        ops << object(m);
    }
    return QLatin1Char('[') + ops.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace tools
