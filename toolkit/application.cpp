#include "toolkit/application.h"

#include "toolkit/canvas.h"
#include "toolkit/form_window.h"
#include "toolkit/sliced_frame.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <optional>

namespace toolkit {

namespace {

QFont sans(int pixel_size) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    return font;
}

// The widget style, with the parts it sizes in pixels of its own (the round and square
// indicators of option buttons and check boxes, and the gap to their captions) scaled
// with the zoom of the form a control stands on, as the captions' fonts are. A group box
// standing on a form paints its whole rectangle, the form's background under its frame,
// so Qt paints nothing of the form beneath it; its frame is painted in pieces, the same
// pixels at a fraction of the cost on a large window.
class ZoomedStyle : public QProxyStyle {
public:
    using QProxyStyle::polish;
    using QProxyStyle::QProxyStyle;
    using QProxyStyle::unpolish;

    void polish(QWidget *widget) override {
        QProxyStyle::polish(widget);
        if (qobject_cast<QGroupBox *>(widget) != nullptr &&
            qobject_cast<FormWindow *>(widget->parentWidget()) != nullptr)
            widget->setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void unpolish(QWidget *widget) override {
        if (qobject_cast<QGroupBox *>(widget) != nullptr)
            widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
        QProxyStyle::unpolish(widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override {
        if (element == PE_FrameGroupBox && paints_background(widget)) {
            paint_frame(*option, *painter, widget);
            return;
        }
        // A field's or a button's panel lies within its rectangle. Said to the painter as a
        // clip, the raster engine strokes the panel's outline straight into the pixels
        // instead of through its general span filler, which on a tall panel also hands
        // its rows out to worker threads: the same pixels at a fraction of the cost. A
        // button paints with smooth pixmap transforms on, yet the style caches its panel at
        // the application's pixel ratio: copied onto a device of that ratio by whole pixels,
        // smoothing changes no pixel, and without it the copy is one direct blend too.
        if (element == PE_PanelLineEdit || element == PE_PanelButtonCommand) {
            painter->save();
            painter->setClipRect(option->rect, Qt::IntersectClip);
            if (copying_ratio(*painter) == qApp->devicePixelRatio())
                painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            painter->restore();
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override {
        // Without a frame, the background is painted here; with one, where the frame is.
        if (control == CC_GroupBox && widget != nullptr &&
            widget->testAttribute(Qt::WA_OpaquePaintEvent) &&
            (option->subControls & SC_GroupBoxFrame) == 0)
            painter->fillRect(option->rect, form_of(widget)->background());
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing: {
            const FormWindow *form = form_of(widget);
            return static_cast<int>(std::lround(size * (form != nullptr ? form->zoom() : 1.0)));
        }
        default:
            return size;
        }
    }

private:
    // A group box standing on a form, which paints its whole rectangle.
    static bool paints_background(const QWidget *widget) {
        return qobject_cast<const QGroupBox *>(widget) != nullptr &&
               widget->testAttribute(Qt::WA_OpaquePaintEvent);
    }

    // The frame of a group box standing on a form with the form's background, each pixel
    // painted once: the frame in pieces where that can be done exactly, over everything the
    // style's clip lets through, and the background where the clip keeps the frame out (the
    // title's gap); elsewhere the background under the whole box, then the style's frame.
    void paint_frame(const QStyleOption &option, QPainter &painter, const QWidget *widget) const {
        const auto *box = static_cast<const QGroupBox *>(widget);
        const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(&option);
        const QColor background = form_of(widget)->background();
        // The frame starts below the title, which is as high as its text or its check box.
        const int title = std::max(option.fontMetrics.height(),
                                   pixelMetric(PM_ExclusiveIndicatorHeight, &option, widget));
        const int key = (box->title().isEmpty() ? 1 : 0) | (box->isCheckable() ? 2 : 0);
        const bool in_pieces =
            frame != nullptr && option.rect == box->rect() &&
            frames_.paint(painter, option, background, title + 12, key,
                          [&](QPainter &p, const QRect &rect) {
                              QStyleOptionFrame copy = *frame;
                              copy.rect = rect;
                              QProxyStyle::drawPrimitive(PE_FrameGroupBox, &copy, &p, widget);
                          });
        const QRegion unpainted = !in_pieces ? QRegion(box->rect())
                                  : painter.hasClipping()
                                      ? QRegion(box->rect()) - painter.clipRegion()
                                      : QRegion();
        if (!unpainted.isEmpty()) {
            painter.save();
            painter.setClipping(false);
            for (const QRect &r : unpainted)
                painter.fillRect(r, background);
            painter.restore();
        }
        if (!in_pieces)
            QProxyStyle::drawPrimitive(PE_FrameGroupBox, &option, &painter, widget);
    }

    mutable SlicedFrames frames_;
};

// The desktop's font, kept when setup_application replaces it.
std::optional<QFont> &desktop_font() {
    static std::optional<QFont> font;
    return font;
}

// The zoom a desktop font asks for.
double desktop_zoom(const QFont &desktop_font, double dpi) {
    constexpr double usual_pixels = 12;
    const double pixels = desktop_font.pixelSize() > 0 ? desktop_font.pixelSize()
                                                       : desktop_font.pointSizeF() * dpi / 72;
    return std::max(1.0, pixels / usual_pixels);
}

// The largest zoom at which the form fits the screen's free area.
double fitting_zoom(const QScreen *screen, QSize defined_size) {
    if (screen == nullptr || defined_size.isEmpty())
        return 1;
    const QSize room = screen->availableGeometry().size();
    return std::min(double(room.width()) / defined_size.width(),
                    double(room.height()) / defined_size.height());
}

// The translators installed so far: one set for the life of the application, however often
// setup_application runs.
QList<QTranslator *> &installed_translators() {
    static QList<QTranslator *> translators;
    return translators;
}

} // namespace

std::optional<QLocale> translated_language(const QLocale &locale) {
    // Qt on Unix lists LANGUAGE first, then LC_ALL, LC_MESSAGES and LANG: only the first
    // counts, so LANGUAGE=en under German number settings keeps the program's own English.
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty())
        return std::nullopt;
    const QLocale first(languages.front());
    if (first.language() == QLocale::English || first.language() == QLocale::C ||
        first.language() == QLocale::AnyLanguage)
        return std::nullopt;
    return first;
}

int install_translations(const QLocale &locale) {
    QCoreApplication *app = QCoreApplication::instance();
    const std::optional<QLocale> language = translated_language(locale);
    if (app == nullptr || !installed_translators().isEmpty() || !language)
        return static_cast<int>(installed_translators().size());
    const std::pair<QString, QString> catalogues[] = {
        {QStringLiteral("trivane"), QStringLiteral(":/i18n")},
        {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
    };
    for (const auto &[name, folder] : catalogues) {
        auto *translator = new QTranslator(app);
        if (translator->load(*language, name, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator))
            installed_translators().append(translator);
        else
            delete translator;
    }
    return static_cast<int>(installed_translators().size());
}

void name_application() {
    QCoreApplication::setOrganizationName(QStringLiteral("trivane"));
    QCoreApplication::setApplicationName(QStringLiteral("trivane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRIVANE_VERSION));
}

void setup_application(QApplication &app) {
    if (!desktop_font())
        desktop_font() = QApplication::font();
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new ZoomedStyle(fusion));
    app.setFont(default_font());
    install_translations(QLocale::system());
    // The form is laid out left to right in every language: a right-to-left catalogue of
    // Qt's own (Arabic, Persian) would otherwise turn the whole application round.
    QApplication::setLayoutDirection(Qt::LeftToRight);
    // Room for a sheet's picture on a 3840 x 2160 screen (about 18 MB) beside the style's own.
    QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), 64 * 1024));
}

// 9.75 points at 96 dpi: 13 pixels.
QFont form_font(bool bold) {
    QFont font = sans(13);
    font.setBold(bold);
    return font;
}

QFont default_font() {
    return sans(11);
}

void set_desktop_font(const QFont &font) {
    desktop_font() = font;
}

double opening_zoom(const QScreen *screen, QSize defined_size) {
    if (!desktop_font() || screen == nullptr)
        return 1;
    const double wanted = desktop_zoom(*desktop_font(), screen->logicalDotsPerInchY());
    return std::max(1.0, std::min(wanted, fitting_zoom(screen, defined_size)));
}

} // namespace toolkit
