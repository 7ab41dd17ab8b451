#pragma once

// The locale a test's number settings come from, as Qt reads it on Unix: LC_ALL, else
// LC_NUMERIC, else LANG, else C. QLocale::system().name() cannot tell: under LANGUAGE=en,
// which keeps the tests' texts English, Qt names the system locale English whatever its
// numbers are.
#include <QString>
#include <QtGlobal>

#include <cstddef>

namespace testing_support {

inline QString number_settings() {
    for (const char *name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

// The language of the number settings ("de" for de_DE.UTF-8).
inline QString number_language() {
    return number_settings().section(u'_', 0, 0);
}

// The row of a table whose `language` is that of the number settings, or none.
template <typename Row, std::size_t N> const Row *row_for_number_settings(const Row (&rows)[N]) {
    for (const Row &row : rows)
        if (number_language() == QLatin1String(row.language))
            return &row;
    return nullptr;
}

} // namespace testing_support
