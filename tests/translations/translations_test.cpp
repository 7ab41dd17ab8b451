// Which catalogues start-up installs, and that the English texts stay as they are where it
// installs none. Each suite runs in the CTest entry whose language settings it is about.
#include "tests/support/shown_form.h"
#include "toolkit/application.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QTranslator>

namespace {

using testing_support::click;
using testing_support::field;
using testing_support::type_into;

QString spoken_name(QWidget *widget) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface == nullptr ? QString() : iface->text(QAccessible::Name);
}

// The reason mag_a gives after "x" is converted.
QString refused_reason(Form1 &form) {
    type_into(form, "mag_a", QStringLiteral("x"));
    click(form.Convert[0]);
    return field(form, "mag_a")->toolTip();
}

// Expected: English and unset languages translate nothing; any other language is its own
// first UI language, whatever the number settings.
TEST(TranslatedLanguage, is_the_first_ui_language_unless_english) {
    const struct {
        const char *locale;
        const char *language; // empty: none
    } rows[] = {
        {"en_US", ""},   {"en_GB", ""},      {"C", ""},          {"de_DE", "de"},
        {"de_AT", "de"}, {"pt_BR", "pt_BR"}, {"zh_CN", "zh_CN"}, {"ru_RU", "ru"},
        {"fr_CA", "fr"}, {"es_MX", "es"},    {"ar_EG", "ar"},
    };
    for (const auto &row : rows) {
        const std::optional<QLocale> language =
            toolkit::translated_language(QLocale(QString::fromLatin1(row.locale)));
        const QString want = QString::fromLatin1(row.language);
        EXPECT_EQ(language.has_value(), !want.isEmpty()) << row.locale;
        if (language && !want.isEmpty()) {
            EXPECT_TRUE(want.startsWith(QLocale::languageToCode(language->language())))
                << row.locale << " gives " << language->name().toStdString();
        }
    }
}

// Expected: a catalogue for each language the build lists, and no plain trivane.qm, which
// QTranslator would take for any language without its own.
TEST(Catalogues, each_listed_language_is_compiled_in) {
    QStringList wanted;
    for (const QString &language : QStringLiteral(TRIVANE_LANGUAGES).split(QLatin1Char(',')))
        wanted << QStringLiteral("trivane_%1.qm").arg(language);
    wanted.sort();
    QStringList found = QDir(QStringLiteral(":/i18n")).entryList(QDir::Files);
    found.sort();
    EXPECT_EQ(found, wanted);
    EXPECT_EQ(wanted.size(), 6);
}

// Runs where no language is set, and where LANGUAGE=en stands before German number
// settings. Expected: no catalogue, and the texts exactly the English ones, numbers in the
// desktop's settings.
TEST(EnglishStartUp, installs_nothing_and_keeps_the_english_texts) {
    auto form = testing_support::shown_form();
    EXPECT_EQ(toolkit::install_translations(QLocale::system()), 0);
    EXPECT_EQ(spoken_name(field(*form, "mag_a")), QStringLiteral("Phase A magnitude"));
    EXPECT_EQ(spoken_name(form->Convert[2]), QStringLiteral("Convert 012 polar"));
    EXPECT_EQ(form->Convert[0]->text(), QStringLiteral("CONVERT"));
    EXPECT_EQ(refused_reason(*form), QStringLiteral("Not a number"));
    if (qEnvironmentVariable("LANG").startsWith(QLatin1String("de"))) {
        EXPECT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","));
    }
}

// Runs under Arabic (Egypt) settings, whose Qt catalogue is right to left. Expected: Qt's
// catalogue is installed, and the application and the form stay left to right.
TEST(RightToLeftStartUp, keeps_the_form_left_to_right) {
    auto form = testing_support::shown_form();
    QApplication::processEvents();
    EXPECT_GE(toolkit::install_translations(QLocale::system()), 1);
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(form->layoutDirection(), Qt::LeftToRight);
    EXPECT_LT(form->Polar_ABC.widget()->x(), form->Rectangular_ABC.widget()->x());
    EXPECT_EQ(field(*form, "mag_a")->layoutDirection(), Qt::LeftToRight);
}

// Runs under German settings (LANGUAGE=de, LANG=de_DE.UTF-8), as a German desktop starts
// the program. Expected: both catalogues installed; the fields' names, a refused entry's
// reason and the captions in German.
TEST(GermanStartUp, speaks_german) {
    auto form = testing_support::shown_form();
    EXPECT_EQ(toolkit::install_translations(QLocale::system()), 2);
    const QString name = spoken_name(field(*form, "mag_a"));
    EXPECT_FALSE(name.isEmpty());
    EXPECT_NE(name, QStringLiteral("Phase A magnitude"));
    const QString reason = refused_reason(*form);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_NE(reason, QStringLiteral("Not a number"));
    EXPECT_TRUE(form->Positive_label.widget()->text().contains(QLatin1String("Mitsystem")))
        << form->Positive_label.widget()->text().toStdString();
}

// Expected: each catalogue loads for its locale and names the sequences with the terms of the
// glossary; the fields' names and the reasons of a refused entry are translated.
TEST(Glossary, each_catalogue_names_the_sequences_alike) {
    const struct {
        const char *locale;
        const char *positive, *negative, *zero; // a stem each translation holds
    } rows[] = {
        {"de_DE", "Mitsystem", "Gegensystem", "Nullsystem"},
        {"es_ES", "positiva", "negativa", "cero"},
        {"fr_FR", "directe", "inverse", "homopolaire"},
        {"pt_BR", "positiva", "negativa", "zero"},
        {"zh_CN", "正序", "负序", "零序"},
        {"ru_RU", "прям", "обратн", "нулев"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.locale);
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QLocale(QString::fromLatin1(row.locale)),
                                   QStringLiteral("trivane"), QStringLiteral("_"),
                                   QStringLiteral(":/i18n")));
        const auto holds = [&](const char *context, const char *source, const char *stem) {
            const QString text = catalogue.translate(context, source);
            EXPECT_TRUE(text.contains(QString::fromUtf8(stem), Qt::CaseInsensitive))
                << source << " is \"" << text.toStdString() << '"';
        };
        holds("Form1", "Positive Sequence", row.positive);
        holds("Form1", "Negative Sequence", row.negative);
        holds("Form1", "Zero Sequence", row.zero);
        for (const char *source : {"Phase A magnitude", "Sequence 2 imaginary part", "Not a number",
                                   "Beyond the largest number the program holds, about 3.4E+38"}) {
            const QString text = catalogue.translate("Form1", source);
            EXPECT_FALSE(text.isEmpty()) << source;
            EXPECT_NE(text, QString::fromUtf8(source));
        }
    }
}

} // namespace
