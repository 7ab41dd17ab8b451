// One Convert command on the real form from any input: the first byte picks the group (low
// two bits), the encoding (bit 2: raw UTF-16, else UTF-8) and whether the window is painted
// afterwards (bit 3; painting is slow, so only some inputs do); the rest, split at newlines,
// gives the group's six texts. Whatever they hold, the command must leave the pressed
// group's texts as typed, every other field with a text the check accepts (unchanged after
// a refused entry), error marks only in the pressed group, and at most one drawing of finite
// coordinates on the canvas.
#include "fuzz_check.h"
#include "form/form1.h"
#include "form/form_actions.h"
#include "toolkit/application.h"
#include "toolkit/number_text.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace {

Form1 *window = nullptr;

// The start-up texts, restored before every input so that each run starts alike.
std::array<QString, 24> start_up_texts;

QStringList six_texts(const std::uint8_t *data, std::size_t size, bool utf16) {
    QString all;
    if (utf16) {
        std::u16string units(size / 2, u'\0');
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
        all = QString(reinterpret_cast<const QChar *>(units.data()),
                      static_cast<qsizetype>(units.size()));
    } else {
        all = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    }
    QStringList texts = all.split(u'\n');
    while (texts.size() < 6)
        texts.append(QString());
    return texts;
}

bool finite_op(const toolkit::DrawOp &op) {
    for (const float v : {op.x1, op.y1, op.x2, op.y2, op.x, op.y, op.r})
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The window keeps cases and settings in HOME: a fresh one, never the user's.
    static char home[] = "/tmp/fuzz-convert-home-XXXXXX";
    if (mkdtemp(home) == nullptr)
        std::abort();
    for (const char *name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        setenv(name, (std::string(home) + '/' + name).c_str(), 1);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    });
    static int argc = 1;
    static char name[] = "fuzz_convert";
    static char *argv[] = {name, nullptr};
    // Never destroyed: Qt's own teardown at exit is no part of what is fuzzed.
    auto *app = new QApplication(argc, argv);
    toolkit::setup_application(*app);
    // Font fallback warnings for exotic scripts would drown libFuzzer's own output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    window = new Form1;
    // The file of kept cases has a target of its own: here a conversion writes nothing.
    {
        const std::unique_ptr<QMenu> menu(window->actions().context_menu());
        for (QAction *action : menu->actions()) {
            if (action->isCheckable())
                action->setChecked(false);
        }
    }
    window->show();
    // One drawn and painted case first: the fonts and caches that Qt loads once, and
    // never frees, are not taken for leaks of the first input.
    window->Convert_Click(0);
    QApplication::processEvents();
    const auto fields = window->all_fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        start_up_texts[i] = fields[i]->Text();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const int group = data[0] & 3;
    const QStringList texts = six_texts(data + 1, size - 1, (data[0] & 4) != 0);

    const auto fields = window->all_fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(start_up_texts[i]);
    const auto pressed = group_fields(*window, group);
    for (std::size_t i = 0; i < pressed.size(); ++i)
        pressed[i]->setText(texts[static_cast<qsizetype>(i)]);
    std::array<QString, 24> before;
    for (std::size_t i = 0; i < fields.size(); ++i)
        before[i] = fields[i]->Text();

    window->Convert_Click(group);
    if ((data[0] & 8) != 0)
        QApplication::processEvents();

    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool in_pressed = static_cast<int>(i / 6) == group;
        const QString text = fields[i]->Text();
        if (in_pressed || window->model().state().errors_found) {
            FUZZ_REQUIRE(text == before[i]);
        }
        if (!in_pressed) {
            const auto value = toolkit::parse_number(text);
            FUZZ_REQUIRE(value && std::isfinite(value->single));
            FUZZ_REQUIRE(fields[i]->BackColor() == toolkit::system_window_background);
        }
    }
    // One drawing: the erasing box, 20 circles and 10 phasors; and the outline-only box of
    // an erase made before the first drawing set a solid fill, which no later box covers.
    const auto &ops = window->canvas().display_list();
    FUZZ_REQUIRE(ops.size() <= 1 + 1 + 20 + 10);
    for (const toolkit::DrawOp &op : ops)
        FUZZ_REQUIRE(finite_op(op));
    return 0;
}
